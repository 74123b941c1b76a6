#pragma once

#include <QByteArray>
#include <QString>

class ReportDocument;

// A report as a CSV file that spreadsheet programs on Chinese systems open as it is:
// UTF-8 with a byte-order mark, the title line, the run's line, the heading line, then the rows, with the
// columns the printed table shows.
class ReportCsv
{
public:
    static QByteArray Encode(const ReportDocument& document);
    // False when the file cannot be written.
    static bool Write(const ReportDocument& document, const QString& path);

    // A heading under a group heading reads "group/heading".
    static QString HeadingOf(const ReportDocument& document, int column);
};
