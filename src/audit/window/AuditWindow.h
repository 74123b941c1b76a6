#pragma once

#include "AuditView.h"
#include "DataAudit.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMdiArea;
class QPushButton;
class QTableWidget;

// 数据审核: the period and regions to audit, the rules with their counts (ticked on or off),
// the findings in a table sorted and filtered by rule and region, and their print preview.
class AuditWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AuditWindow(QWidget* parent = nullptr);

    // The one audit window of the main window's area, shown and brought to the front.
    static AuditWindow* Show(QMdiArea* mdi);

    void cmdAudit_Click();
    void cmdPrint_Click();
    // The limits of the average room price and of the monthly change, saved in the own database.
    void cmdThresholds_Click();
    const AuditView& View() const { return view_; }

private:
    void FillRules();
    void FillFilters();
    void FillTable();
    void lstRules_Changed(QListWidgetItem* item);

    QLineEdit* txtYear_;
    QLineEdit* txtMonth_;
    QLineEdit* txtRegions_;
    QPushButton* cmdAudit_;
    QListWidget* lstRules_;
    QComboBox* cmbRule_;
    QComboBox* cmbRegion_;
    QLabel* lblShown_;
    QTableWidget* grdFindings_;
    QPushButton* cmdPrint_;
    QPushButton* cmdThresholds_;
    AuditView view_;
    DataAudit audit_;
    bool filling_ = false;
};
