#pragma once

#include <QProgressDialog>
#include <atomic>
#include <memory>
#include <thread>

class CollectionImport;

// The import of one folder, run off the window thread: names the table being read, counts
// its records, and stops the import when "取消" is pressed (the old database stays).
class ImportProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    ImportProgressDialog(const QString& appFolder, const QString& folder, QWidget* parent = nullptr);
    ~ImportProgressDialog() override;

    // Runs the import to its end (the dialog is modal meanwhile). Returns whether the new
    // database is in place; a failure or a cancel has been shown as a message.
    bool Run();

private:
    void Progress(const QString& what, long long done, long long total);

    std::unique_ptr<CollectionImport> import_;
    QString folder_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};
