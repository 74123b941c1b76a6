#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class AreaSum;
class FlexGrid;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TourUnitReport;

// The window of the tourism units comprehensive annual report: a year, a list of regions,
// the run, the choice of a table to print, and the saved region sets.
class TourUnit : public QWidget
{
    Q_OBJECT

public:
    explicit TourUnit(QWidget* parent = nullptr);
    ~TourUnit() override;

    // The table codes of the print list, by position.
    static const QStringList& PrintCodes();
    // The table codes of the report list, by line: the order of the ticks Check2.
    static const QStringList& ListCodes();

    // The ticked reports of the last run into one workbook, or one PDF for a name ending in
    // ".pdf"; what goes wrong is shown in a message box.
    void ExportSelected(const QString& path);
    QStringList SelectedCodes() const;

private slots:
    void cmdAddnewRegion_Click();
    void cmdDelRegion_Click();
    void cmdCreate_Click();
    void cmdType_Click();
    void cmdExportSelected_Click();
    void ChkAllSelect_Click();
    void cmdSave_Click();
    void cmdOpen_Click();
    void cmdDel_Click();
    void cmdExit_Click();

private:
    // TourUnitControls.cpp
    void CreateControls();
    QGroupBox* CreateDateGroup();
    QGroupBox* CreateRegionGroup();
    QGroupBox* CreateSaveGroup();
    QGroupBox* CreatePrintGroup();
    void SetTabOrder();
    void ConnectHandlers();

    void Form_Load();
    bool CalculateAllRegions(std::int16_t year); // false when the user stopped it

    QLineEdit* txtYear = nullptr;
    QLineEdit* txtRegionKey = nullptr;
    QPushButton* cmdAddnewRegion = nullptr;
    FlexGrid* regionGrid = nullptr; // the grid named FlexGrid
    QPushButton* cmdDelRegion = nullptr;
    QLineEdit* txtSave = nullptr;
    QPushButton* cmdSave = nullptr;
    FlexGrid* MSfgSave = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdDel = nullptr;
    QComboBox* Comboprint2 = nullptr;
    QPushButton* cmdType = nullptr;
    QPushButton* cmdExportSelected = nullptr;
    QCheckBox* ChkAllSelect = nullptr;
    QList<QCheckBox*> Check2;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdExit = nullptr;

    std::unique_ptr<TourUnitReport> report_;
    std::unique_ptr<AreaSum> areaSum_;
    bool running_ = false;
};
