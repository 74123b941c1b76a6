// Output files whole or not at all: a disk that fills up while a PDF, a workbook, a chart or
// a CSV is written, and a path that is no regular file, end in "无法写入文件：<path>", exit 2,
// and the old file as it was.
#include "ReportFolder.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

bool PdfWhole(const QByteArray& b)
{
    return b.startsWith("%PDF-") && b.trimmed().endsWith("%%EOF");
}

struct Kind
{
    const char* name;
    QStringList (*arguments)(const QString& path);
    bool (*whole)(const QByteArray& bytes); // the file's own end mark is there
};

const Kind Kinds[] = {
    {"report.pdf",
     [](const QString& p) {
         return QStringList{"print", "--report", "1-2", "--pdf", p};
     },
     PdfWhole},
    {"reports.pdf",
     [](const QString& p) { return QStringList{"print", "--report", "1-1", "--report", "1-2", "--pdf", p}; },
     PdfWhole},
    {"report.csv",
     [](const QString& p) {
         return QStringList{"print", "--report", "1-2", "--csv", p};
     },
     [](const QByteArray& b) { return b.startsWith("\xEF\xBB\xBF") && b.endsWith("\r\n"); }},
    {"reports.xlsx",
     [](const QString& p) { return QStringList{"print", "--report", "1-1", "--report", "1-2", "--xlsx", p}; },
     [](const QByteArray& b) { return b.startsWith("PK") && b.right(22).startsWith("PK\x05\x06"); }},
    {"chart.png",
     [](const QString& p) { return QStringList{"chart", "--report", "1-2", "--column", "3", "--png", p}; },
     [](const QByteArray& b) { return b.startsWith("\x89PNG") && b.endsWith("IEND\xae\x42\x60\x82"); }},
    {"chart.pdf",
     [](const QString& p) { return QStringList{"chart", "--report", "1-2", "--column", "3", "--pdf", p}; },
     PdfWhole},
};

TEST(OutputFault, AFullDiskKeepsTheOldFileForEveryKind)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
    QTemporaryDir out;
    const bool mounted = MountSmallFileSystem(out.path(), "size=2m");
    RecordProperty("disk", mounted ? "a 2 MB file system" : "a file size limit");
    const QByteArray old("the previous file, kept byte for byte");
    for (const Kind& kind : Kinds) {
        for (const qint64 spare : {0, 4096, 16384, 65536}) {
            SCOPED_TRACE(std::string(kind.name) + " with " + std::to_string(spare) + " bytes free");
            const QString path = out.path() + QLatin1Char('/') + QLatin1String(kind.name);
            {
                QFile previous(path);
                ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
                previous.write(old);
            }
            if (mounted)
                Fill(out.path() + QStringLiteral("/filler"), spare);
            auto run = folder.Start(kind.arguments(path), [mounted, spare] {
                if (mounted)
                    return;
                ::signal(SIGXFSZ, SIG_DFL); // the program itself must take it as a full disk
                const rlimit limit{static_cast<rlim_t>(spare), static_cast<rlim_t>(spare)};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
            const auto result = ReportFolder::Finish(*run);
            if (spare == 0 || result.Status != 0) { // nothing fits into no room at all
                EXPECT_EQ(result.Status, 2);
                EXPECT_EQ(result.Err, QStringLiteral("无法写入文件：") + path);
                EXPECT_EQ(FileBytes(path), old);
            } else {
                EXPECT_TRUE(kind.whole(FileBytes(path))) << "reported written, but cut short";
            }
            EXPECT_EQ(QDir(out.path()).entryList({QLatin1String(kind.name) + QLatin1Char('*')}, QDir::Files),
                      QStringList{QLatin1String(kind.name)}); // no partial file beside it
            QFile::remove(out.path() + QStringLiteral("/filler"));
        }
        // with room again the same output is written whole
        if (mounted) {
            const QString path = out.path() + QLatin1Char('/') + QLatin1String(kind.name);
            EXPECT_EQ(folder.Run(kind.arguments(path)).Status, 0) << kind.name;
            EXPECT_NE(FileBytes(path), old) << kind.name;
        }
    }
    if (mounted)
        ::umount2(QFile::encodeName(out.path()).constData(), MNT_DETACH);
}

// A device, a FIFO or a folder given as the output is refused before anything is written.
TEST(OutputFault, APathThatIsNoRegularFileIsRefused)
{
    ReportFolder folder;
    ASSERT_EQ(folder.Run(ReportFolder::HotelRun()).Status, 0);
    QTemporaryDir out;
    const QString fifo = out.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    for (const QString& path : {QStringLiteral("/dev/full"), QStringLiteral("/dev/null"), fifo, out.path()}) {
        for (const Kind& kind : Kinds) {
            SCOPED_TRACE(path.toStdString() + " as " + kind.name);
            const auto result = folder.Run(kind.arguments(path));
            EXPECT_EQ(result.Status, 2);
            EXPECT_EQ(result.Err, QStringLiteral("无法写入文件：") + path);
        }
        struct stat info
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << path.toStdString();
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::System), QStringList{"pipe"});
}

} // namespace
