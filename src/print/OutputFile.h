#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Every file a report is exported to is written under a temporary name beside it and renamed
// into place only when every write, the flush and the close succeeded, so a full disk or a
// refused folder never leaves a partial file (nor spoils a previous one of the same name).
namespace OutputFile {

// False for a path that exists and is not a regular file (a device, a FIFO, a folder): such
// a target is refused before anything is written.
bool IsWritableTarget(const QString& path);

// The writer gets the device to fill and says whether it succeeded. False when the file could
// not be written; nothing is left behind then.
bool Write(const QString& path, const std::function<bool(QIODevice&)>& writer);

// For writers that need a file name of their own: they write to the given scratch path, whose
// bytes are then written to the target as above.
bool WriteVia(const QString& path, const std::function<bool(const QString& scratch)>& writer);

// "无法写入文件：<path>"
QString FailureMessage(const QString& path);

} // namespace OutputFile
