#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Several reports of the last run written into one file, a workbook (a sheet each) or a PDF
// (each from a new page), as the annual window's 导出所选 writes the ticked ones.
namespace ReportExport {

// A name ending in ".pdf" (any case) gives a PDF, any other a workbook.
bool IsPdf(const QString& path);

// The message to show when nothing was written: a report without rows or a file that cannot
// be written. Nothing is left behind then. Throws DatabaseError.
std::optional<QString> Write(const QStringList& codes, const QString& path);

} // namespace ReportExport
