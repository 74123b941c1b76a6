#include "DataAudit.h"

#include "DbConnection.h"
#include "Numeric.h"
#include "Recordset.h"
#include "SourcePeriod.h"

#include <QDate>
#include <QPair>
#include <cmath>

namespace {

QString Text(double value)
{
    return Numeric::NumberText(value);
}

QString MonthText(int year, int month)
{
    return QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

// The guests of a monthly return in person-times: domestic, from Taiwan, Macao and Hong
// Kong, and by country.
const QStringList& GuestColumns()
{
    static const QStringList names = {
        "InTourist", "TWer",     "Macaoer",     "HKer",       "Japan",    "Korea",  "Mongolia",
        "Indonesia", "Malaysia", "Philippines", "Singapore",  "Thailand", "India",  "Vietnam",
        "Burma",     "NKorea",   "Pakistan",    "OAs",        "Britain",  "France", "Germany",
        "Italy",     "Swiss",    "Sweden",      "Russia",     "Spain",    "OEu",    "USA",
        "Canada",    "OAm",      "Australia",   "NewZealand", "OO",       "Africa", "Other"};
    return names;
}

using MonthCounts = QHash<QPair<QString, int>, int>; // (code, month) -> returns

void AddDuplicates(const MonthCounts& counts, const QString& table, int year,
                   const QHash<QString, DataAudit::Enterprise>& enterprises,
                   std::vector<AuditFinding>& findings)
{
    const int rule = AuditRules::IndexOf(QStringLiteral("M08"));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() < 2)
            continue;
        const DataAudit::Enterprise& e = enterprises[it.key().first];
        findings.push_back(
            {e.Code, e.Name, e.Region, rule,
             QStringLiteral("%1 %2 有 %3 份").arg(table, MonthText(year, it.key().second)).arg(it.value())});
    }
}

// The columns of one monthly return that the rules read; the engine adds up the guests and
// names the negative numbers, so that a row hands over a few values only.
namespace Column {
enum { Year, Month, Code, InTourist, RoomIncome, RealRoomDay, CheckRoomDay, Guests, Negative };
}

QString MonthlyStatement(DbConnection& source, const QString& period)
{
    QStringList guests, negative, below;
    for (const QString& guest : GuestColumns())
        guests << QStringLiteral("ifnull(\"%1\", 0)").arg(guest);
    Recordset columns;
    columns.Open(
        QStringLiteral(
            "SELECT name FROM pragma_table_info('Base05') WHERE lower(name) NOT IN ('code', 'tabledate')"
            " AND (type LIKE '%INT%' OR type LIKE '%REAL%' OR type LIKE '%NUM%' OR type LIKE '%DOUB%'"
            " OR type LIKE '%FLOA%' OR type LIKE '%DEC%')"),
        source);
    for (columns.MoveFirst(); !columns.IsEOF(); columns.MoveNext()) {
        const QString name = columns.Value(0).toString();
        negative << QStringLiteral(
                        "CASE WHEN \"%1\" < 0 THEN '；%1 = ' || printf('%.15g', \"%1\") ELSE '' END")
                        .arg(name);
        below << QStringLiteral("\"%1\" < 0").arg(name);
    }
    return QStringLiteral(
               "SELECT YEAR(TableDate), MONTH(TableDate), code, InTourist, RoomIncome, RealRoomDay,"
               " CheckRoomDay, %1, %2 FROM Base05 WHERE ")
               .arg(guests.join(QStringLiteral(" + ")),
                    // the names are joined only for the rare return that has a negative number
                    negative.isEmpty() ? QStringLiteral("''")
                                       : QStringLiteral("CASE WHEN %1 THEN %2 ELSE '' END")
                                             .arg(below.join(QStringLiteral(" OR ")),
                                                  negative.join(QStringLiteral(" || ")))) +
           period;
}

// The per-return rules of one monthly return.
void CheckMonthlyReturn(const Recordset& rs, const DataAudit::Enterprise& e, const AuditThresholds& limits,
                        int days, std::vector<AuditFinding>& findings)
{
    const auto add = [&](const char* id, const QString& value) {
        findings.push_back({e.Code, e.Name, e.Region, AuditRules::IndexOf(QLatin1String(id)), value});
    };
    const double real = Numeric::ToNumber(rs.Value(Column::RealRoomDay)).value_or(0);
    const double check = Numeric::ToNumber(rs.Value(Column::CheckRoomDay)).value_or(0);
    const double income = Numeric::ToNumber(rs.Value(Column::RoomIncome)).value_or(0);
    if (real > check)
        add("M02", QStringLiteral("RealRoomDay %1 > CheckRoomDay %2").arg(Text(real), Text(check)));
    if (e.Rooms && check > *e.Rooms * days)
        add("M03",
            QStringLiteral("CheckRoomDay %1 > Rooms %2 × %3 天").arg(Text(check), Text(*e.Rooms)).arg(days));
    if (const QString negative = rs.Value(Column::Negative).toString(); !negative.isEmpty())
        add("M04", negative.mid(1));
    if (real > 0 && income > 0) {
        const double price = income * 10000 / real;
        if (price < limits.MinAveragePrice || price > limits.MaxAveragePrice)
            add("M05", QStringLiteral("平均房价 %1 元（RoomIncome %2，RealRoomDay %3）")
                           .arg(Text(Numeric::RoundTwo(price)), Text(income), Text(real)));
    }
    const double people = Numeric::ToNumber(rs.Value(Column::Guests)).value_or(0);
    if (people > 0 && real <= 0)
        add("M07", QStringLiteral("客人 %1 人次，RealRoomDay %2").arg(Text(people), Text(real)));
    else if (real > 0 && income <= 0)
        add("M07", QStringLiteral("RealRoomDay %1，RoomIncome %2").arg(Text(real), Text(income)));
}

} // namespace

void DataAudit::MonthlyReturns(DbConnection& source, const Register& enterprises,
                               std::vector<AuditFinding>& findings) const
{
    const int previousYear = Month == 1 ? Year - 1 : Year;
    const int previousMonth = Month == 1 ? 12 : Month - 1;
    Recordset rs;
    rs.Open(MonthlyStatement(
                source, SourcePeriod::Range(QStringLiteral("TableDate"), Year, Month) +
                            QStringLiteral(" OR ") +
                            SourcePeriod::Range(QStringLiteral("TableDate"), previousYear, previousMonth)),
            source, Recordset::Cursor::Forward);

    struct Sums
    {
        double Tourists = 0, Income = 0;
    };
    QHash<QString, Sums> current, previous;
    MonthCounts returns;
    const int days = QDate(Year, Month, 1).daysInMonth();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const auto found = enterprises.constFind(rs.Value(Column::Code).toString().trimmed());
        if (found == enterprises.cend() || rs.Value(Column::Year).isNull())
            continue;
        const int y = rs.Value(Column::Year).toInt(), m = rs.Value(Column::Month).toInt();
        const bool now = y == Year && m == Month;
        if (!now && (y != previousYear || m != previousMonth))
            continue;
        Sums& sums = (now ? current : previous)[found->Code];
        sums.Tourists += Numeric::ToNumber(rs.Value(Column::InTourist)).value_or(0);
        sums.Income += Numeric::ToNumber(rs.Value(Column::RoomIncome)).value_or(0);
        if (!now)
            continue;
        ++returns[{found->Code, Month}];
        CheckMonthlyReturn(rs, *found, Thresholds, days, findings);
    }

    const int missing = AuditRules::IndexOf(QStringLiteral("M01"));
    const int changed = AuditRules::IndexOf(QStringLiteral("M06"));
    for (const Enterprise& e : enterprises) {
        if (e.Hotel && !current.contains(e.Code))
            findings.push_back(
                {e.Code, e.Name, e.Region, missing, MonthText(Year, Month) + QStringLiteral(" 无月报")});
        const auto now = current.constFind(e.Code);
        const auto before = previous.constFind(e.Code);
        if (now == current.cend() || before == previous.cend())
            continue;
        QStringList changes;
        const auto compare = [&](const char* column, double was, double is) {
            if (was > 0 && is > 0 && std::abs(is - was) > Thresholds.MonthlyChange * was)
                changes << QStringLiteral("%1 %2 → %3").arg(QLatin1String(column), Text(was), Text(is));
        };
        compare("InTourist", before->Tourists, now->Tourists);
        compare("RoomIncome", before->Income, now->Income);
        if (!changes.isEmpty())
            findings.push_back({e.Code, e.Name, e.Region, changed, changes.join(QStringLiteral("；"))});
    }
    AddDuplicates(returns, QStringLiteral("Base05"), Year, enterprises, findings);
}

void DataAudit::Duplicates(DbConnection& source, const QString& table, const Register& enterprises,
                           std::vector<AuditFinding>& findings) const
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT code FROM %1 WHERE YEAR(TableDate) = %2 AND MONTH(TableDate) = %3 AND ")
                    .arg(table)
                    .arg(Year)
                    .arg(Month) +
                SourcePeriod::Range(QStringLiteral("TableDate"), Year, Month),
            source, Recordset::Cursor::Forward);
    MonthCounts returns;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const QString code = rs.Value(0).toString().trimmed();
        if (enterprises.contains(code))
            ++returns[{code, Month}];
    }
    AddDuplicates(returns, table, Year, enterprises, findings);
}

void DataAudit::AnnualReturns(DbConnection& source, const Register& enterprises,
                              std::vector<AuditFinding>& findings) const
{
    struct Sums
    {
        double Income = 0, Profit = 0, Employment = 0;
    };
    QHash<QString, Sums> sums;
    const std::pair<const char*, const char*> tables[] = {{"Base04", "YearendEmployment"},
                                                          {"Base06", "YearendEmployment"},
                                                          {"Base08", "yearendemployee"},
                                                          {"Base09", "yearendemployee"}};
    for (const auto& [table, employment] : tables) {
        // One line per enterprise; the months of its returns tell two returns of one month.
        Recordset rs;
        rs.Open(QStringLiteral("SELECT code, SUM(OperationIncome), SUM(ProfitTotal), SUM(%1),"
                               " group_concat(MONTH(TableDate)) FROM %2 WHERE YEAR(TableDate) = %3 AND ")
                        .arg(QLatin1String(employment), QLatin1String(table))
                        .arg(Year) +
                    SourcePeriod::Range(QStringLiteral("TableDate"), Year) + QStringLiteral(" GROUP BY code"),
                source, Recordset::Cursor::Forward);
        MonthCounts returns;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            const QString code = rs.Value(0).toString().trimmed();
            if (!enterprises.contains(code))
                continue;
            Sums& s = sums[code];
            s.Income += Numeric::ToNumber(rs.Value(1)).value_or(0);
            s.Profit += Numeric::ToNumber(rs.Value(2)).value_or(0);
            s.Employment += Numeric::ToNumber(rs.Value(3)).value_or(0);
            const QStringList months = rs.Value(4).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (months.size() > 1)
                for (const QString& month : months)
                    ++returns[{code, month.toInt()}];
        }
        AddDuplicates(returns, QLatin1String(table), Year, enterprises, findings);
    }
    const int missing = AuditRules::IndexOf(QStringLiteral("A01"));
    for (const Enterprise& e : enterprises) {
        const auto found = sums.constFind(e.Code);
        if (found == sums.cend()) {
            findings.push_back({e.Code, e.Name, e.Region, missing, QStringLiteral("%1 年无年报").arg(Year)});
            continue;
        }
        if (found->Profit > found->Income)
            findings.push_back({e.Code, e.Name, e.Region, missing + 1,
                                QStringLiteral("ProfitTotal %1 > OperationIncome %2")
                                    .arg(Text(found->Profit), Text(found->Income))});
        if (found->Income > 0 && found->Employment <= 0)
            findings.push_back({e.Code, e.Name, e.Region, missing + 2,
                                QStringLiteral("OperationIncome %1，YearendEmployment %2")
                                    .arg(Text(found->Income), Text(found->Employment))});
    }
}
