#include "PackageArchive.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <zip.h>

namespace PackageArchive {

bool Pack(const QString& archive, const QString& file)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    zip_source_t* source = zip_source_file(zip, QFile::encodeName(file).constData(), 0, -1); // -1: to the end
    const QByteArray name = QFileInfo(file).fileName().toUtf8();
    if (!source || zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        if (source)
            zip_source_free(source);
        zip_discard(zip);
        return false;
    }
    // libzip writes into a temporary file and renames it on close: a failure leaves nothing.
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        return false;
    }
    return true;
}

bool Unpack(const QString& archive, const QString& entry, const QString& destination)
{
    int error = 0;
    const std::unique_ptr<zip_t, decltype(&zip_discard)> zip(
        zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error), &zip_discard);
    if (!zip)
        return false;
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> in(
        zip_fopen(zip.get(), entry.toUtf8().constData(), 0), &zip_fclose);
    QFile out(destination);
    if (!in || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    char buffer[64 * 1024];
    bool written = true;
    zip_int64_t n = 0;
    // The checksum is compared when the last byte has been read: a damaged entry ends in -1.
    while (written && (n = zip_fread(in.get(), buffer, sizeof buffer)) > 0)
        written = out.write(buffer, n) == n;
    written = written && n == 0 && out.flush();
    out.close();
    if (!written)
        QFile::remove(destination);
    return written;
}

} // namespace PackageArchive
