#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// 数据概况: the summary of the source database as text, with a button that copies it.
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

    QPlainTextEdit* txtSummary_;
    QPushButton* cmdCopy_;
    QPushButton* cmdAudit_;
};
