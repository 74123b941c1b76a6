#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>
#include <utility>

// An application folder of its own (the package and the sample source database copied in)
// driven through the built orvane-report as a separate process, so that a run can be
// killed, raced or starved of disk like a user's.
class ReportFolder
{
public:
    // parent: where the folder is made (a small file system, say); the temporary folder by default.
    explicit ReportFolder(const QString& parent = QString());
    ~ReportFolder();

    QString Path() const { return dir_->path(); }
    QString OwnDatabase() const;

    struct Result
    {
        int Status = -1;
        QString Out;
        QString Err; // trimmed
    };
    Result Run(const QStringList& arguments) const;
    // Started and left running; the caller waits or kills. childSetup runs in the child
    // before the program starts.
    std::unique_ptr<QProcess> Start(const QStringList& arguments,
                                    std::function<void()> childSetup = {}) const;
    // Started so that it stops itself at a named step (see Checkpoint); AwaitPaused waits for that.
    std::unique_ptr<QProcess> StartPaused(const QStringList& arguments, const char* step) const;
    static Result Finish(QProcess& process);

    // The six result tables in stored order, as one text.
    QString Tables() const;
    // The saved conditions, region sets and ledger configurations.
    QStringList Saved() const;
    void Own(const QString& sql) const;
    // Changes the folder's own copy of the source database (it starts as a link to the build's).
    void Source(const QString& sql) const;

    // The runs the tests use: a previous report and a different new one.
    static QStringList HotelRun();
    static QStringList AnnualRun();
    // Runs the annual report, then the hotel report: the tables after each.
    std::pair<QString, QString> AnnualThenHotel() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Spins until the condition holds or the process has ended; true when the condition held.
bool AwaitWhileRunning(QProcess& process, const std::function<bool()>& condition);
// kill -9, and the end awaited; false when the process had already ended, so the kill
// interrupted nothing.
bool Kill(QProcess& process);

// A small file system seen by this test program and its children only: a mount namespace of
// its own, so nothing is left mounted whatever happens to the test. False without the right.
bool MountSmallFileSystem(const QString& where, const char* size = "size=4m");
// Fills the file system of `file`, then gives back `spare` bytes.
void Fill(const QString& file, qint64 spare);

// Waits until the process has stopped at its step; false when it ended or ran on instead.
bool AwaitPaused(QProcess& process);
// Lets a paused process go on.
void Continue(QProcess& process);

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// orvane-report with any arguments, from no particular folder.
ReportFolder::Result RunTool(const QString& program, const QStringList& arguments,
                             const QString& workingFolder);
