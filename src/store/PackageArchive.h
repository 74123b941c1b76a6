#pragma once

#include <QString>

// The package format: a zip archive of one file. Thin over libzip, so that nothing else in
// the program knows the library.
namespace PackageArchive {

// Writes an archive holding the file under its own name. False when it cannot be written;
// no archive is left behind then.
bool Pack(const QString& archive, const QString& file);

// Writes the archive's entry to destination. False when the archive cannot be read, lacks
// the entry or its data fails the checksum; no destination is left behind then.
bool Unpack(const QString& archive, const QString& entry, const QString& destination);

} // namespace PackageArchive
