#include "AppFolderLocator.h"

#include "Connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whole or not at all: a start killed while copying leaves the previous file or none.
bool CopyWhole(const QString& from, const QString& to)
{
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    qint64 n = 0;
    while ((n = in.read(buffer, sizeof buffer)) > 0)
        if (out.write(buffer, n) != n)
            return false;
    return n == 0 && out.commit();
}

} // namespace

AppFolderLocator::AppFolderLocator(QString executableFolder) : executable_(std::move(executableFolder)) {}

QString AppFolderLocator::PerUserFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) // as the base directory rules say
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/orvane"));
}

bool AppFolderLocator::IsPerUser() const
{
    const QFileInfo folder(executable_);
    return !QFileInfo::exists(executable_ + QLatin1String(Connection::PackagePath)) || !folder.isWritable();
}

QString AppFolderLocator::Chosen() const
{
    return IsPerUser() ? PerUserFolder() : executable_;
}

QString AppFolderLocator::InstalledDataFolder() const
{
    return QDir::cleanPath(executable_ + QStringLiteral("/../share/orvane"));
}

QString AppFolderLocator::Prepare() const
{
    if (!IsPerUser())
        return QString();
    const QString folder = PerUserFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法建立应用程序文件夹：") + QDir::toNativeSeparators(folder);
    const QString installed = InstalledDataFolder() + QLatin1String(Connection::PackagePath);
    const QString own = folder + QLatin1String(Connection::PackagePath);
    if (!QFileInfo::exists(installed) || (QFileInfo::exists(own) && Contents(own) == Contents(installed)))
        return QString();
    if (!CopyWhole(installed, own))
        return QStringLiteral("无法复制统计系统文件 tallix.she 到 ") + QDir::toNativeSeparators(folder);
    return QString();
}

bool AppFolderLocator::HasSourceDatabase(const QString& appFolder)
{
    return QFileInfo(appFolder + QLatin1String(Connection::SourceDatabasePath)).isFile();
}

QString AppFolderLocator::NoSourceText()
{
    return QStringLiteral("还没有源数据：请从“数据 → 导入采集数据...”导入，或打开示例数据");
}

QString AppFolderLocator::SampleDatabase() const
{
    const QString sample = InstalledDataFolder() + QStringLiteral("/sample/stat.dbc");
    return QFileInfo(sample).isFile() ? sample : QString();
}

QString AppFolderLocator::OpenSample(const QString& appFolder) const
{
    const QString sample = SampleDatabase();
    if (sample.isEmpty())
        return QStringLiteral("没有安装示例数据");
    const QString target = appFolder + QLatin1String(Connection::SourceDatabasePath);
    if (HasSourceDatabase(appFolder))
        return QStringLiteral("已有源数据库，示例数据未打开：") + QDir::toNativeSeparators(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !CopyWhole(sample, target))
        return QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(target);
    return QString();
}
