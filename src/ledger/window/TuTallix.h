#pragma once

#include "TallixCondition.h"
#include "TallixIndex.h"
#include "TallixReport.h"
#include "TallixRequest.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class AreaSum;
class FlexGrid;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The tourism enterprise ledger window: period, unit type, up to eight columns taken from
// the index dictionaries, the regions or enterprises that make the rows, the comparison
// mode, the run, printing and stored configurations.
class TuTallix : public QWidget
{
    Q_OBJECT

public:
    // (dictable, table) of an item row, carried through storing and opening only.
    using ItemOrigin = std::pair<QString, QString>;
    static constexpr int ItemOriginSlots = 21;

    explicit TuTallix(QWidget* parent = nullptr);
    ~TuTallix() override;

    // Slot r-1 belongs to item row r.
    const std::array<ItemOrigin, ItemOriginSlots>& ItemOrigins() const { return itemOrigins_; }
    const TallixCondition& Condition() const { return condition_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OptAccom_Click();
    void OptTu_Click();
    void OptTuArea_Click();
    void OptOther_Click();

    void CmdAddItem_Click();
    void CmbSel_Click();
    void CmdAddSubItem_Click();
    void CmdQuit_Click();
    void CmdDelItem_Click();

    void cmdAddnewRegion_Click();
    void CmdDelRegion_Click();
    void Command1_Click();

    void CmdAddArea_Click();
    void CmdAddCompany_Click();
    void CmdDelCompany_Click();
    void CmdClearCompany_Click();

    void CmdExe_Click();
    void CmdPrint_Click();
    void CmdCancle_Click();

    void CmdSave_Click();
    void CmdOpen_Click();
    void CmdDel_Click();

private:
    // TuTallixControls.cpp
    void CreateControls();
    void CreateFrame2();
    void CreateFrame3();
    void CreateFrame5();
    void CreateFrame4();
    void CreateFrame9();
    void ConnectHandlers();
    void AttachValidators();
    void FitGridColumns(FlexGrid* grid);

    void Form_Load();
    bool Text5_KeyPress(QChar key);

    // The add-item panel shown, the rest of the window locked while adding.
    void SetAddingState(bool adding);
    // TuTallixUnits.cpp
    int UnitNumber() const;
    QString UnitCaption() const;
    // CodeHead and SubType of the unit option and its sub-boxes.
    void ApplyUnitType(TallixCondition& condition) const;
    // Asks whether to remove the items whose table the chosen unit type does not report.
    void OfferToRemoveForeignItems();

    void FillTableList(int unit);
    void FillSubItems(int unit);
    // Selects an option and runs its click handler, also when it was selected already.
    void SelectOption(QRadioButton* option);

    void SetConditionYear();
    void SetConditionMonth();
    void SetConditionUnitType();
    void SetConditionTableStyle();
    void SetConditionIndexes();
    bool RunTallixRows(); // false when the user stopped it
    TallixRequest Request() const;

    void ClearPrintHeadings();
    // Appends a row, saying so in the status bar when the code is listed already.
    void AddListed(FlexGrid* grid, const QString& code, const QString& name, const QString& twice);

    // TuTallixConfigurations.cpp
    void ListTallixConfigurations();
    void SaveTallixConfiguration(const QString& name);
    void ReadTallixConfiguration(const QString& name);


    TallixCondition condition_;
    TallixReport report_;
    std::unique_ptr<AreaSum> areaSum_;
    TallixIndexList indexs_;
    std::array<ItemOrigin, ItemOriginSlots> itemOrigins_;
    // An opened configuration brings its own items with its unit type.
    bool readingConfiguration_ = false;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QGroupBox* Frame9 = nullptr;

    QLineEdit* TxtYear = nullptr;
    QLineEdit* TxtMonth = nullptr;
    QRadioButton* OptAccom = nullptr;
    QRadioButton* OptTu = nullptr;
    QRadioButton* OptTuArea = nullptr;
    QRadioButton* OptOther = nullptr;
    QCheckBox* ChKRestaurant = nullptr;
    QCheckBox* ChkOther = nullptr;
    QCheckBox* ChkInternation = nullptr;
    QCheckBox* ChkNation = nullptr;

    FlexGrid* FlexGridItem = nullptr;
    QPushButton* CmdAddItem = nullptr;
    QPushButton* CmdDelItem = nullptr;
    QRadioButton* OptCurrent = nullptr;
    QRadioButton* OptAccumu = nullptr;
    QRadioButton* OptSameTerm = nullptr;
    QRadioButton* OptAccumuCom = nullptr;

    QRadioButton* Option8 = nullptr;
    QRadioButton* Option9 = nullptr;
    QLineEdit* txtRegionKey = nullptr;
    QPushButton* cmdAddnewRegion = nullptr;
    QPushButton* CmdDelRegion = nullptr;
    QPushButton* Command1 = nullptr;
    FlexGrid* FlexGridArea = nullptr;
    QLineEdit* Text5 = nullptr;
    QPushButton* CmdAddArea = nullptr;
    QLineEdit* Text6 = nullptr;
    QPushButton* CmdAddCompany = nullptr;
    QPushButton* CmdDelCompany = nullptr;
    QPushButton* CmdClearCompany = nullptr;
    FlexGrid* FlexGridCompany = nullptr;

    QListWidget* List1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdOpen = nullptr;
    QPushButton* CmdDel = nullptr;

    QComboBox* CmbSel = nullptr;
    QComboBox* cmbTablename = nullptr;
    FlexGrid* FlexGridSubItem = nullptr;
    QPushButton* CmdAddSubItem = nullptr;
    QPushButton* CmdQuit = nullptr;

    QPushButton* CmdExe = nullptr;
    QPushButton* CmdPrint = nullptr;
    QPushButton* CmdCancle = nullptr;
};
