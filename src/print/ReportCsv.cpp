#include "ReportCsv.h"

#include "OutputFile.h"
#include "ReportDocument.h"

#include <QIODevice>
#include <QStringList>

namespace {

QString Field(const QString& text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                       text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quote)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString Line(const QStringList& fields)
{
    QStringList out;
    for (const QString& f : fields)
        out << Field(f);
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QString ReportCsv::HeadingOf(const ReportDocument& document, int column)
{
    const QString heading = document.HeadingText(column).trimmed();
    const QString group = document.GroupText(column).trimmed();
    if (group.isEmpty())
        return heading;
    return heading.isEmpty() ? group : group + QLatin1Char('/') + heading;
}

QByteArray ReportCsv::Encode(const ReportDocument& document)
{
    const QVector<int> columns = document.VisibleColumns();
    QString text = Line({document.Title().trimmed()});
    if (!document.RunLine().isEmpty())
        text += Line({document.RunLine()});
    QStringList headings;
    for (int c : columns)
        headings << HeadingOf(document, c);
    text += Line(headings);
    for (int r = 0; r < document.Rows().size(); ++r) {
        QStringList cells;
        for (int c : columns)
            cells << document.CellText(r, c);
        text += Line(cells);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool ReportCsv::Write(const ReportDocument& document, const QString& path)
{
    const QByteArray bytes = Encode(document);
    return OutputFile::Write(path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}
