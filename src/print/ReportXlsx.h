#pragma once

#include <QString>
#include <QVector>

class ReportDocument;

// Reports as one spreadsheet workbook, a sheet per report named after its code: the title and
// the run's line, the headings as printed (group headings merged over their columns), numbers
// as numbers with the report's decimals, labels with their leading blanks, the heading rows
// frozen, a Chinese font, and the page set up as the report prints.
class ReportXlsx
{
public:
    // False when the file cannot be written; nothing is left behind then.
    static bool Write(const QVector<const ReportDocument*>& documents, const QString& path);

    // The sheet name of a report: its code, made unique within the workbook.
    static QString SheetName(const QString& code, const QStringList& taken);
};
