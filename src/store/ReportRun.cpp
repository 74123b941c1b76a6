#include "ReportRun.h"

#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "ResultTables.h"
#include "SqlText.h"

#include <QHash>
#include <QSet>

namespace {

const QString Separator = QStringLiteral(" · ");
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QStringList Lines(const QString& text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The regions column holds a line per region: its name, or its code, a tab and its name.
QString RegionLines(const ReportRun& run)
{
    if (run.Codes.size() != run.Regions.size())
        return run.Regions.join(QLatin1Char('\n'));
    const bool shown = run.Shown.size() == run.Regions.size();
    QStringList lines;
    for (qsizetype i = 0; i < run.Regions.size(); ++i)
        lines << run.Codes[i].trimmed() + QLatin1Char('\t') + run.Regions[i] +
                     (shown ? QLatin1Char('\t') + run.Shown[i] : QString());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString ReportRun::Line() const
{
    QStringList parts;
    if (!Period.isEmpty())
        parts << Period;
    if (!UnitType.isEmpty())
        parts << UnitType;
    if (!Regions.isEmpty()) {
        QString names = (Shown.size() == Regions.size() ? Shown : Regions).mid(0, RegionsShown).join(QStringLiteral("、"));
        if (Regions.size() > RegionsShown)
            names += QStringLiteral("等 %1 %2").arg(Regions.size()).arg(ByEnterprise ? QStringLiteral("家企业")
                                                                                     : QStringLiteral("个地区"));
        parts << names;
    }
    parts << Conditions;
    return parts.join(Separator);
}

QString ReportRun::TimeText() const
{
    if (!RunAt.isValid())
        return QString();
    return QStringLiteral("生成于 ") + RunAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QStringList ReportRun::NamesOf(const QStringList& codes, bool enterprises)
{
    QStringList names;
    for (const QString& code : codes) {
        const QString name = (enterprises ? Connection::UnitName(code) : Connection::AreaName(code)).trimmed();
        names << (name.isEmpty() ? code : name);
    }
    return names;
}

QStringList ReportRun::ShownNames(const QStringList& codes, const QStringList& names)
{
    if (codes.size() != names.size())
        return {};
    QHash<QString, QSet<QString>> codesOf;
    for (qsizetype i = 0; i < names.size(); ++i)
        codesOf[names[i].trimmed()].insert(codes[i].trimmed());
    QStringList shown;
    bool shared = false;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString code = codes[i].trimmed();
        if (codesOf.value(names[i].trimmed()).size() < 2 || code.size() != 6) {
            shown << names[i];
            continue;
        }
        // A county's parent is its prefecture, a prefecture's its province.
        const QString parent = code.endsWith(QLatin1String("00")) ? code.left(2) + QStringLiteral("0000")
                                                                 : code.left(4) + QStringLiteral("00");
        const QString parentName = parent == code ? QString() : Connection::AreaName(parent).trimmed();
        shown << (parentName.isEmpty() ? names[i] : parentName + QLatin1Char(' ') + names[i].trimmed());
        shared = true;
    }
    return shared ? shown : QStringList();
}

QString ReportRun::PeriodText(int year, int month)
{
    return month > 0 ? QStringLiteral("%1年%2月").arg(year).arg(month) : QStringLiteral("%1年").arg(year);
}

void ReportRun::Write() const
{
    Clear();
    if (IsEmpty())
        return;
    const auto q = [](const QString& v) { return SqlText::Quoted(v); };
    ResultTables::Execute(
        QStringLiteral("insert into ReportRun (analysis,period,regions,byenterprise,conditions,ledgermode,"
                       "unittype,captions,runtime) values(") +
        q(Analysis) + QLatin1Char(',') + q(Period) + QLatin1Char(',') + q(RegionLines(*this)) +
        QLatin1Char(',') + QString::number(ByEnterprise ? 1 : 0) + QLatin1Char(',') +
        q(Conditions.join(QLatin1Char('\n'))) + QLatin1Char(',') + q(LedgerMode) + QLatin1Char(',') +
        q(UnitType) + QLatin1Char(',') + q(Captions.join(QLatin1Char('\n'))) + QLatin1Char(',') +
        q(RunAt.toString(TimeFormat)) + QLatin1Char(')'));
}

void ReportRun::Clear()
{
    ResultTables::Execute(QStringLiteral("delete from ReportRun"));
}

std::optional<ReportRun> ReportRun::Read(DbConnection& connection)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from ReportRun"), connection);
    if (rs.RecordCount() == 0)
        return std::nullopt;
    rs.MoveFirst();
    const auto text = [&](const char* field) { return rs.Value(QLatin1String(field)).toString(); };
    ReportRun run;
    run.Analysis = text("analysis");
    run.Period = text("period");
    for (const QString& line : Lines(text("regions"))) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        run.Regions << (parts.size() > 1 ? parts[1] : parts[0]);
        if (parts.size() > 1)
            run.Codes << parts[0];
        if (parts.size() > 2)
            run.Shown << parts[2];
    }
    if (run.Codes.size() != run.Regions.size())
        run.Codes.clear();
    if (run.Shown.size() != run.Regions.size())
        run.Shown.clear();
    run.ByEnterprise = text("byenterprise") == QLatin1String("1");
    run.Conditions = Lines(text("conditions"));
    run.LedgerMode = text("ledgermode");
    run.UnitType = text("unittype");
    run.Captions = Lines(text("captions"));
    run.RunAt = QDateTime::fromString(text("runtime"), TimeFormat);
    return run;
}
