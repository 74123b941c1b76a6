// Seeded mutations of real tables: headers, descriptors, records and memo blocks spoilt in
// thousands of ways. The reader reads or refuses each one and never looks outside the file;
// an import of a spoilt folder leaves stat.dbc as it was or replaces it whole.
#include "CollectionFolder.h"
#include "CollectionImport.h"
#include "ImportError.h"
#include "TempAppFolder.h"
#include "XbaseTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// One mutation of a file's bytes: a few bytes changed in its header, descriptors, records or
// anywhere, or the file cut short.
QByteArray Mutated(QByteArray bytes, std::mt19937& random)
{
    if (bytes.isEmpty())
        return bytes;
    const auto below = [&](qsizetype n) { return static_cast<qsizetype>(random() % static_cast<unsigned>(std::max<qsizetype>(n, 1))); };
    switch (random() % 5) {
    case 0: // the header
        bytes[below(std::min<qsizetype>(32, bytes.size()))] = static_cast<char>(random());
        break;
    case 1: // the descriptors and what follows them
        bytes[std::min(bytes.size() - 1, 32 + below(300))] = static_cast<char>(random());
        break;
    case 2: // one byte anywhere, records and memo blocks included
        bytes[below(bytes.size())] = static_cast<char>(random());
        break;
    case 3: // a run of bytes anywhere
        for (int i = 0, at = static_cast<int>(below(bytes.size())); i < 8 && at + i < bytes.size(); ++i)
            bytes[at + i] = static_cast<char>(random());
        break;
    default:
        bytes.truncate(below(bytes.size()));
    }
    return bytes;
}

class MutationTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        cases_ = new QTemporaryDir;
        CollectionFolder::Cases(cases_->path());
    }
    static void TearDownTestSuite() { delete cases_; }

    // A fresh copy of the cases folder.
    static void CopyCases(const QString& to)
    {
        QDir().mkpath(to);
        for (const QString& name : QDir(cases_->path()).entryList(QDir::Files)) {
            QFile::remove(QDir(to).filePath(name));
            QFile::copy(QDir(cases_->path()).filePath(name), QDir(to).filePath(name));
        }
    }
    static QStringList Files()
    {
        return QDir(cases_->path()).entryList(QDir::Files, QDir::Name);
    }

    static QTemporaryDir* cases_;
};
QTemporaryDir* MutationTest::cases_ = nullptr;

TEST_F(MutationTest, TheReaderReadsOrRefusesEverySpoiltTable)
{
    std::mt19937 random(20261207);
    QTemporaryDir work;
    CopyCases(work.path());
    const QStringList files = Files();
    int read = 0;
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString name = files[static_cast<qsizetype>(random() % files.size())];
        const QString path = QDir(work.path()).filePath(name);
        const QByteArray original = FileBytes(QDir(cases_->path()).filePath(name));
        Write(path, Mutated(original, random));
        // A memo file is read through its table; every table is tried against it.
        const QStringList tables =
            name.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".dbc"))
                ? QStringList{name}
                : QDir(work.path()).entryList({QStringLiteral("*.dbf"), QStringLiteral("*.DBF"), QStringLiteral("*.dbc")});
        for (const QString& table : tables) {
            try {
                XbaseTable reader(QDir(work.path()).filePath(table), QStringLiteral("GBK"));
                std::vector<XbaseValue> values;
                for (std::uint32_t r = 0; r < reader.RecordCount(); ++r)
                    if (!reader.IsDeleted(r))
                        reader.Read(r, values);
                ++read;
            } catch (const ImportError&) {
                ++refused;
            }
        }
        Write(path, original);
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(MutationTest, AnImportOfASpoiltFolderReplacesStatWholeOrNotAtAll)
{
    std::mt19937 random(7);
    TempAppFolder app;
    QTemporaryDir work;
    const QStringList files = Files();
    for (int round = 0; round < 40; ++round) {
        CopyCases(work.path());
        const QString name = files[static_cast<qsizetype>(random() % files.size())];
        const QString path = QDir(work.path()).filePath(name);
        Write(path, Mutated(FileBytes(path), random));
        const QString target = QDir(app.Path()).filePath(QStringLiteral("Database/stat.dbc"));
        const QByteArray before = FileBytes(target);
        CollectionImport import(app.Path());
        try {
            import.Run(work.path());
            EXPECT_EQ(app.SourceRows(QStringLiteral("PRAGMA integrity_check")), QStringList{"ok"}) << name.toStdString();
        } catch (const ImportError&) {
            EXPECT_EQ(FileBytes(target), before) << name.toStdString();
        }
        EXPECT_FALSE(QFile::exists(import.Working())) << name.toStdString();
    }
}

} // namespace
