#pragma once

#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext reads it, one entry per page; in layout mode each
// table line keeps its cells on one text line.
QStringList PdfPages(const QString& pdf, bool layout = true);

// Inserts rows into a result table of the own database: the values given, then the tablecode
// (none for an empty code).
class TempAppFolder;
void InsertRows(const TempAppFolder& folder, const QString& table, const QString& tablecode,
                const QList<QStringList>& rows);
