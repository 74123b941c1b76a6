#include "AppFolderLocator.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Sets or clears an environment variable for the lifetime of the object.
class Environment
{
public:
    Environment(const char* name, const std::optional<QString>& value)
        : name_(name),
          saved_(qEnvironmentVariableIsSet(name) ? std::optional(qEnvironmentVariable(name)) : std::nullopt)
    {
        Set(value);
    }
    ~Environment() { Set(saved_); }

private:
    void Set(const std::optional<QString>& value)
    {
        if (value)
            qputenv(name_, value->toLocal8Bit());
        else
            qunsetenv(name_);
    }
    const char* name_;
    std::optional<QString> saved_;
};

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// An installed program: <root>/usr/bin with its data in <root>/usr/share/orvane, and a home.
class AppFolderLocatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(bin);
        Write(root.filePath("usr/share/orvane/tallix.she"), "package 2");
        Write(root.filePath("usr/share/orvane/sample/stat.dbc"), "sample");
    }

    QTemporaryDir root;
    QString bin = root.filePath("usr/bin");
    Environment home{"HOME", root.filePath("home")};
};

TEST_F(AppFolderLocatorTest, TheFolderInUse)
{
    Write(root.filePath("build/tallix.she"), "package 1");
    const struct
    {
        const char* executable;
        std::optional<QString> xdg;
        const char* chosen; // under the temporary root
    } cases[] = {
        {"build", std::nullopt, "build"}, // a build's folder stays in use
        {"usr/bin", std::nullopt, "home/.local/share/orvane"},
        {"usr/bin", QString(), "home/.local/share/orvane"},
        {"usr/bin", QStringLiteral("relative/data"), "home/.local/share/orvane"},
        {"usr/bin", root.filePath("xdg"), "xdg/orvane"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.executable) + " " +
                     c.xdg.value_or(QStringLiteral("<unset>")).toStdString());
        const Environment xdg("XDG_DATA_HOME", c.xdg);
        const AppFolderLocator locator(root.filePath(QLatin1String(c.executable)));
        EXPECT_EQ(locator.Chosen(), QDir::cleanPath(root.filePath(QLatin1String(c.chosen))));
    }
}

TEST_F(AppFolderLocatorTest, ThePerUserFolderTakesTheInstalledPackageWhenItsOwnIsMissingOrDiffers)
{
    const Environment xdg("XDG_DATA_HOME", std::nullopt);
    const AppFolderLocator locator(bin);
    const QString own = locator.Chosen() + QStringLiteral("/tallix.she");
    EXPECT_EQ(locator.Prepare(), QString());
    EXPECT_EQ(FileBytes(own), QByteArray("package 2"));

    Write(own, "package 1"); // left by an older version
    Write(locator.Chosen() + QStringLiteral("/TallixDataBase/tallix.dbc"), "saved");
    EXPECT_EQ(locator.Prepare(), QString());
    EXPECT_EQ(FileBytes(own), QByteArray("package 2"));
    EXPECT_EQ(FileBytes(locator.Chosen() + QStringLiteral("/TallixDataBase/tallix.dbc")), QByteArray("saved"));

    const AppFolderLocator build(root.filePath("nowhere")); // nothing installed beside it
    EXPECT_EQ(build.SampleDatabase(), QString());
}

TEST_F(AppFolderLocatorTest, TheSampleIsOpenedOnlyWhereThereIsNoSource)
{
    const AppFolderLocator locator(bin);
    const QString folder = root.filePath("folder");
    EXPECT_FALSE(AppFolderLocator::HasSourceDatabase(folder));
    EXPECT_EQ(locator.OpenSample(folder), QString());
    EXPECT_TRUE(AppFolderLocator::HasSourceDatabase(folder));
    EXPECT_EQ(FileBytes(folder + QStringLiteral("/Database/stat.dbc")), QByteArray("sample"));

    Write(folder + QStringLiteral("/Database/stat.dbc"), "imported");
    EXPECT_FALSE(locator.OpenSample(folder).isEmpty());
    EXPECT_EQ(FileBytes(folder + QStringLiteral("/Database/stat.dbc")), QByteArray("imported"));
    EXPECT_FALSE(AppFolderLocator(root.filePath("nowhere")).OpenSample(root.filePath("other")).isEmpty());
}

} // namespace
