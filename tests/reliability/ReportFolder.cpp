#include "ReportFolder.h"

#include "DbConnection.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <thread>

namespace {

constexpr int Patience = 60000; // ms; a run of the sample takes well under a second

ReportFolder::Result Collect(QProcess& process)
{
    ReportFolder::Result result;
    EXPECT_TRUE(process.waitForFinished(Patience)) << "still running";
    result.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.Out = QString::fromUtf8(process.readAllStandardOutput());
    result.Err = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return result;
}

} // namespace

ReportFolder::ReportFolder(const QString& parent)
    : dir_(parent.isEmpty() ? std::make_unique<QTemporaryDir>()
                            : std::make_unique<QTemporaryDir>(parent + QStringLiteral("/app-XXXXXX")))
{
    EXPECT_TRUE(dir_->isValid());
    QDir(Path()).mkpath(QStringLiteral("Database"));
    EXPECT_TRUE(
        QFile::copy(QStringLiteral(ORVANE_APP_DIR "/tallix.she"), Path() + QStringLiteral("/tallix.she")));
    // read only by every run: a link spares the copy and the small file systems' space
    EXPECT_TRUE(QFile::link(QStringLiteral(ORVANE_APP_DIR "/Database/stat.dbc"),
                            Path() + QStringLiteral("/Database/stat.dbc")));
}

ReportFolder::~ReportFolder()
{
    DbConnection::ReleasePooled(Path());
}

QString ReportFolder::OwnDatabase() const
{
    return Path() + QStringLiteral("/TallixDataBase/tallix.dbc");
}

std::unique_ptr<QProcess> ReportFolder::Start(const QStringList& arguments,
                                              std::function<void()> childSetup) const
{
    auto process = std::make_unique<QProcess>();
    if (childSetup)
        process->setChildProcessModifier(std::move(childSetup));
    process->start(QStringLiteral(ORVANE_REPORT_EXE),
                   QStringList{QStringLiteral("--app-dir"), Path()} + arguments);
    EXPECT_TRUE(process->waitForStarted());
    return process;
}

std::unique_ptr<QProcess> ReportFolder::StartPaused(const QStringList& arguments, const char* step) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANE_PAUSE_AT"), QLatin1String(step));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(ORVANE_REPORT_EXE),
                   QStringList{QStringLiteral("--app-dir"), Path()} + arguments);
    EXPECT_TRUE(process->waitForStarted());
    return process;
}

ReportFolder::Result ReportFolder::Finish(QProcess& process)
{
    return Collect(process);
}

ReportFolder::Result ReportFolder::Run(const QStringList& arguments) const
{
    return Collect(*Start(arguments));
}

ReportFolder::Result RunTool(const QString& program, const QStringList& arguments,
                             const QString& workingFolder)
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    return Collect(process);
}

bool AwaitWhileRunning(QProcess& process, const std::function<bool()>& condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (process.state() == QProcess::NotRunning || process.waitForFinished(0) ||
            timer.elapsed() > Patience)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

bool Kill(QProcess& process)
{
    const bool running = process.state() != QProcess::NotRunning &&
                         ::kill(static_cast<pid_t>(process.processId()), SIGKILL) == 0;
    process.waitForFinished(Patience);
    return running && process.exitStatus() == QProcess::CrashExit;
}

bool MountSmallFileSystem(const QString& where, const char* size)
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("orvane-test", QFile::encodeName(where).constData(), "tmpfs", 0, size) == 0;
}

void Fill(const QString& file, qint64 spare)
{
    QFile filler(file);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x'); // a page: nothing but `spare` is left over
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - spare)));
}

bool AwaitPaused(QProcess& process)
{
    const QString stat = QStringLiteral("/proc/%1/stat").arg(process.processId());
    return AwaitWhileRunning(process, [&] {
        QFile file(stat);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray line = file.readAll();
        const qsizetype end = line.lastIndexOf(')'); // the name may hold blanks
        return end > 0 && line.mid(end + 2, 1) == "T";
    });
}

void Continue(QProcess& process)
{
    ::kill(static_cast<pid_t>(process.processId()), SIGCONT);
}

QString ReportFolder::Tables() const
{
    QString text;
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"})
        text += QLatin1String(table) + QLatin1Char('\n') +
                QueryRows(OwnDatabase(), QStringLiteral("SELECT * FROM ") + QLatin1String(table) +
                                             QStringLiteral(" ORDER BY rowid"))
                    .join(QLatin1Char('\n')) +
                QLatin1Char('\n');
    DbConnection::ReleasePooled(Path());
    return text;
}

QStringList ReportFolder::Saved() const
{
    QStringList rows;
    for (const char* table : {"Condition", "Area", "namesave", "addsave", "Aca"})
        rows << QueryRows(OwnDatabase(), QStringLiteral("SELECT * FROM ") + QLatin1String(table));
    DbConnection::ReleasePooled(Path());
    return rows;
}

void ReportFolder::Own(const QString& sql) const
{
    {
        DbConnection connection;
        connection.Open(OwnDatabase());
        connection.Execute(sql);
    }
    DbConnection::ReleasePooled(Path());
}

void ReportFolder::Source(const QString& sql) const
{
    const QString source = Path() + QStringLiteral("/Database/stat.dbc");
    if (QFileInfo(source).isSymLink()) {
        QFile::remove(source);
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_APP_DIR "/Database/stat.dbc"), source));
        QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner);
    }
    {
        DbConnection connection;
        connection.Open(source);
        connection.Execute(sql);
    }
    DbConnection::ReleasePooled(Path());
}

std::pair<QString, QString> ReportFolder::AnnualThenHotel() const
{
    EXPECT_EQ(Run(AnnualRun()).Status, 0);
    const QString annual = Tables();
    EXPECT_EQ(Run(HotelRun()).Status, 0);
    return {annual, Tables()};
}

QStringList ReportFolder::HotelRun()
{
    return {"hotel", "--year", "2025", "--month", "12", "--region", "43", "--region", "4301"};
}

QStringList ReportFolder::AnnualRun()
{
    return {"annual", "--year",   "2025", "--region", "43",  "--region",
            "4301",   "--region", "4302", "--region", "4303"};
}
