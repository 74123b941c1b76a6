#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// 数据概况: the summary of the source database, its tables in a table whose columns fit and
// what the reports will not count below, with a button that copies it all as text.
class DataSummaryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DataSummaryWindow(QWidget* parent = nullptr);

    // Reads the summary of the database at path (wait cursor; a failure becomes a message).
    void Refresh(const QString& databasePath);
    QString Text() const;

signals:
    // 数据审核... was pressed.
    void AuditRequested();

private:
    void cmdCopy_Click();

    void Show(const QString& text);

    QString text_;
    QLabel* lblDatabase_;
    QTableWidget* tblSummary_;
    QPlainTextEdit* txtSummary_;
    QPushButton* cmdCopy_;
    QPushButton* cmdAudit_;
};
