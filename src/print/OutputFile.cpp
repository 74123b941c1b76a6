#include "OutputFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace OutputFile {

bool Write(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile remembers a failed write and then refuses to commit.
    if (!writer(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteVia(const QString& path, const std::function<bool(const QString& scratch)>& writer)
{
    const QTemporaryDir scratchDir;
    if (!scratchDir.isValid())
        return false;
    const QString scratch = scratchDir.filePath(QStringLiteral("output"));
    if (!writer(scratch))
        return false;
    QFile source(scratch);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return Write(path, [&](QIODevice& device) {
        while (!source.atEnd()) {
            const QByteArray block = source.read(1 << 20);
            if (block.isEmpty() || device.write(block) != block.size())
                return false;
        }
        return true;
    });
}

QString FailureMessage(const QString& path)
{
    return QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path);
}

} // namespace OutputFile
