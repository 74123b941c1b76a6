#include "PackageArchive.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class PackageArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (int i = 0; i < 20000; ++i)
            content += QByteArray::number(i * 7919 % 10007) + (i % 13 ? ',' : '\n');
        Write(dir.filePath("tallix.dbc"), content);
        ASSERT_TRUE(PackageArchive::Pack(archive, dir.filePath("tallix.dbc")));
    }

    QTemporaryDir dir;
    QString archive = dir.filePath("tallix.she");
    QString out = dir.filePath("out.dbc");
    QByteArray content;
};

TEST_F(PackageArchiveTest, WhatIsPackedUnpacksUnderItsNameByteForByte)
{
    EXPECT_LT(QFileInfo(archive).size(), content.size()); // compressed, not stored
    ASSERT_TRUE(PackageArchive::Unpack(archive, QStringLiteral("tallix.dbc"), out));
    EXPECT_EQ(FileBytes(out), content);
    EXPECT_FALSE(PackageArchive::Pack(dir.filePath("missing/tallix.she"), dir.filePath("tallix.dbc")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing/tallix.she")));
}

TEST_F(PackageArchiveTest, ADamagedArchiveIsRefusedAndLeavesNothing)
{
    const QByteArray packed = FileBytes(archive);
    const struct
    {
        const char* what;
        std::function<QByteArray(QByteArray)> damage;
        const char* entry;
    } cases[] = {
        {"not an archive", [](QByteArray) { return QByteArray("tallix.dbc\n"); }, "tallix.dbc"},
        {"cut in half", [](QByteArray b) { return b.left(b.size() / 2); }, "tallix.dbc"},
        {"a byte of the data changed",
         [](QByteArray b) {
             b[b.size() / 3] = static_cast<char>(b[b.size() / 3] ^ 0x5a);
             return b;
         },
         "tallix.dbc"},
        {"another entry asked for", [](QByteArray b) { return b; }, "stat.dbc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString damaged = dir.filePath("damaged.she");
        Write(damaged, c.damage(packed));
        EXPECT_FALSE(PackageArchive::Unpack(damaged, QString::fromLatin1(c.entry), out));
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}

} // namespace
