#pragma once

#include "HotelRanges.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class AreaSum;
class FlexGrid;
class HotelCondition;
class HotelReport;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The hotel conditions window: period, regions and filters of the hotel analysis, the run,
// the choice of a report to print, and named condition sets. The controls are public, as
// the stored-condition procedures of Template read and set them directly.
class frmRestaurant : public QWidget
{
    Q_OBJECT

public:
    explicit frmRestaurant(QWidget* parent = nullptr);
    ~frmRestaurant() override;

    // A range group: its combo and its two boxes.
    struct RangeGroup
    {
        QComboBox* Combo = nullptr;
        QLineEdit* Start = nullptr;
        QLineEdit* End = nullptr;
    };
    static constexpr int RangeCount = HotelRanges::Count;
    // In the column order of a stored condition: opening year, rooms, income, profit,
    // fixed assets, occupancy, reception, income per head, profit per head.
    std::array<RangeGroup, RangeCount> RangeGroups() const;

    // Selects a range item and applies it to the group's boxes, whether or not the
    // selection changes.
    void SelectRangeItem(int group, int index);

    // 地区分类
    QLineEdit* txtRegionKey = nullptr;
    QPushButton* cmdAddnewRegion = nullptr;
    ::FlexGrid* FlexGrid = nullptr;
    QPushButton* cmdDelRegion = nullptr;
    // 日期：
    QLineEdit* txtYear = nullptr;
    QLineEdit* txtMonth = nullptr;
    // 注册类型, 星级, 统计类别
    std::array<QCheckBox*, 10> chkRegtype{};
    std::array<QCheckBox*, 6> chkStar{};
    std::array<QCheckBox*, 5> chkB{};
    // the nine range groups
    QComboBox* cmbAccomStar = nullptr;
    QLineEdit* txtAccomStar = nullptr;
    QLineEdit* txtAccomEnd = nullptr;
    QComboBox* cmbRoom = nullptr;
    QLineEdit* txtRoomStar = nullptr;
    QLineEdit* txtRoomEnd = nullptr;
    QComboBox* cmbOpIncome = nullptr;
    QLineEdit* txtOpIncomeStar = nullptr;
    QLineEdit* txtOpIncomeEnd = nullptr;
    QComboBox* cmbProfitTotal = nullptr;
    QLineEdit* txtProfitTotalStar = nullptr;
    QLineEdit* txtProfitTotalEnd = nullptr;
    QComboBox* cmbFixedAssets = nullptr;
    QLineEdit* txtFixedAssetsStar = nullptr;
    QLineEdit* txtFixedAssetsEnd = nullptr;
    QComboBox* cmbHireRate = nullptr;
    QLineEdit* txtHireRateStar = nullptr;
    QLineEdit* txtHireRateEnd = nullptr;
    QComboBox* cmbReceptionNum = nullptr;
    QLineEdit* txtReceptionNumStar = nullptr;
    QLineEdit* txtReceptionNumEnd = nullptr;
    QComboBox* cmbIncomePer = nullptr;
    QLineEdit* txtIncomePerStar = nullptr;
    QLineEdit* txtIncomePerEnd = nullptr;
    QComboBox* cmbProfitPer = nullptr;
    QLineEdit* txtProfitPerStar = nullptr;
    QLineEdit* txtProfitPerEnd = nullptr;
    // 存储条件
    QListWidget* lstConditon = nullptr;
    QLineEdit* txtNewcondition = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdDelete = nullptr;
    // printing and running
    QComboBox* ComboPrint = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* cmdExec = nullptr;
    QPushButton* cmdCancel = nullptr;

private slots:
    void cmdAddnewRegion_Click();
    void cmdDelRegion_Click();
    void cmbAccomStar_Click();
    void cmbRoom_Click();
    void cmbOpIncome_Click();
    void cmbProfitTotal_Click();
    void cmbFixedAssets_Click();
    void cmbHireRate_Click();
    void cmbReceptionNum_Click();
    void cmbIncomePer_Click();
    void cmbProfitPer_Click();
    void cmdExec_Click();
    void btnPrint_Click();
    void cmdSave_Click();
    void cmdOpen_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();

private:
    // frmRestaurantControls.cpp: the controls, their layout, tab order and validators.
    void CreateControls();
    QWidget* CreateRegionGroup();
    QWidget* CreatePeriodGroup();
    QWidget* CreateTickGroups();
    QWidget* CreateRangeGroups();
    QWidget* CreateStoreGroup();
    QWidget* CreateCommandRow();
    void SetTabOrder();
    void AttachValidators();
    void ConnectHandlers();

    void Form_Load();
    void InitHotelWindow();

    // The run's steps.
    bool BoxesValid();
    bool RangesComplete();
    void FillCondition();
    // False when the user stopped it.

    // A range combo's click: empties both boxes, enables them as the item requires.
    void RangeClick(int group);

    QString SelectedConditionName() const;


    // The working and the source set, open for the lifetime of the object.
    class OpenSets
    {
    public:
        OpenSets();
        ~OpenSets();
        OpenSets(const OpenSets&) = delete;
        OpenSets& operator=(const OpenSets&) = delete;
    };

    std::unique_ptr<HotelCondition> condition_;
    std::unique_ptr<HotelReport> report_;
    std::unique_ptr<AreaSum> engine_;
};
