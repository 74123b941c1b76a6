#include "DataAudit.h"

#include "DbConnection.h"
#include "Numeric.h"
#include "Recordset.h"
#include "SourcePeriod.h"

#include <QDate>
#include <QPair>
#include <cmath>

namespace {

std::optional<double> Number(const QVariant& value)
{
    double number = 0;
    if (value.isNull() || !Numeric::ParseNumber(value.toString(), &number))
        return std::nullopt;
    return number;
}

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
        "InTourist", "TWer", "Macaoer", "HKer", "Japan", "Korea", "Mongolia", "Indonesia", "Malaysia",
        "Philippines", "Singapore", "Thailand", "India", "Vietnam", "Burma", "NKorea", "Pakistan", "OAs",
        "Britain", "France", "Germany", "Italy", "Swiss", "Sweden", "Russia", "Spain", "OEu", "USA",
        "Canada", "OAm", "Australia", "NewZealand", "OO", "Africa", "Other"};
    return names;
}

using MonthCounts = QHash<QPair<QString, int>, int>; // (code, month) -> returns

void AddDuplicates(const MonthCounts& counts, const QString& table, int year,
                   const QHash<QString, DataAudit::Enterprise>& enterprises, std::vector<AuditFinding>& findings)
{
    const int rule = AuditRules::IndexOf(QStringLiteral("M08"));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() < 2)
            continue;
        const DataAudit::Enterprise& e = enterprises[it.key().first];
        findings.push_back({e.Code, e.Name, e.Region, rule,
                            QStringLiteral("%1 %2 有 %3 份").arg(table, MonthText(year, it.key().second)).arg(it.value())});
    }
}

// The per-return rules of one monthly return.
struct MonthlyRow
{
    const Recordset& rs;
    int code, roomIncome, realRoomDay, checkRoomDay;
    std::vector<int> numbers, guests;

    void Check(const DataAudit::Enterprise& e, const AuditThresholds& limits, int days,
               std::vector<AuditFinding>& findings) const
    {
        const auto add = [&](const char* id, const QString& value) {
            findings.push_back({e.Code, e.Name, e.Region, AuditRules::IndexOf(QLatin1String(id)), value});
        };
        const double real = Number(rs.Value(realRoomDay)).value_or(0);
        const double check = Number(rs.Value(checkRoomDay)).value_or(0);
        const double income = Number(rs.Value(roomIncome)).value_or(0);
        if (real > check)
            add("M02", QStringLiteral("RealRoomDay %1 > CheckRoomDay %2").arg(Text(real), Text(check)));
        if (e.Rooms && check > *e.Rooms * days)
            add("M03", QStringLiteral("CheckRoomDay %1 > Rooms %2 × %3 天").arg(Text(check), Text(*e.Rooms)).arg(days));
        QStringList negative;
        for (const int i : numbers)
            if (const auto v = Number(rs.Value(i)); v && *v < 0)
                negative << rs.FieldNames()[i] + QStringLiteral(" = ") + Text(*v);
        if (!negative.isEmpty())
            add("M04", negative.join(QStringLiteral("；")));
        if (real > 0 && income > 0) {
            const double price = income * 10000 / real;
            if (price < limits.MinAveragePrice || price > limits.MaxAveragePrice)
                add("M05", QStringLiteral("平均房价 %1 元（RoomIncome %2，RealRoomDay %3）")
                               .arg(Text(Numeric::RoundTwo(price)), Text(income), Text(real)));
        }
        double people = 0;
        for (const int i : guests)
            people += Number(rs.Value(i)).value_or(0);
        if (people > 0 && real <= 0)
            add("M07", QStringLiteral("客人 %1 人次，RealRoomDay %2").arg(Text(people), Text(real)));
        else if (real > 0 && income <= 0)
            add("M07", QStringLiteral("RealRoomDay %1，RoomIncome %2").arg(Text(real), Text(income)));
    }
};

} // namespace

void DataAudit::MonthlyReturns(DbConnection& source, const Register& enterprises,
                               std::vector<AuditFinding>& findings) const
{
    const int previousYear = Month == 1 ? Year - 1 : Year;
    const int previousMonth = Month == 1 ? 12 : Month - 1;
    Recordset rs;
    rs.Open(QStringLiteral("SELECT YEAR(TableDate), MONTH(TableDate), * FROM Base05 WHERE ") +
                SourcePeriod::Range(QStringLiteral("TableDate"), Year, Month) + QStringLiteral(" OR ") +
                SourcePeriod::Range(QStringLiteral("TableDate"), previousYear, previousMonth),
            source, Recordset::Cursor::Forward);
    const QStringList& names = rs.FieldNames();
    MonthlyRow row{rs, rs.IndexOf(QStringLiteral("code")), rs.IndexOf(QStringLiteral("RoomIncome")),
                   rs.IndexOf(QStringLiteral("RealRoomDay")), rs.IndexOf(QStringLiteral("CheckRoomDay")), {}, {}};
    for (int i = 2; i < names.size(); ++i)
        if (names[i].compare(QLatin1String("code"), Qt::CaseInsensitive) != 0 &&
            names[i].compare(QLatin1String("TableDate"), Qt::CaseInsensitive) != 0)
            row.numbers.push_back(i);
    for (const QString& guest : GuestColumns())
        if (const int i = rs.IndexOf(guest); i >= 2)
            row.guests.push_back(i);
    const int inTourist = rs.IndexOf(QStringLiteral("InTourist"));

    struct Sums
    {
        double Tourists = 0, Income = 0;
    };
    QHash<QString, Sums> current, previous;
    MonthCounts returns;
    const int days = QDate(Year, Month, 1).daysInMonth();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const auto found = enterprises.constFind(rs.Value(row.code).toString().trimmed());
        if (found == enterprises.cend() || rs.Value(0).isNull())
            continue;
        const int y = rs.Value(0).toInt(), m = rs.Value(1).toInt();
        const bool now = y == Year && m == Month;
        if (!now && (y != previousYear || m != previousMonth))
            continue;
        Sums& sums = (now ? current : previous)[found->Code];
        sums.Tourists += Number(rs.Value(inTourist)).value_or(0);
        sums.Income += Number(rs.Value(row.roomIncome)).value_or(0);
        if (!now)
            continue;
        ++returns[{found->Code, Month}];
        row.Check(*found, Thresholds, days, findings);
    }

    const int missing = AuditRules::IndexOf(QStringLiteral("M01"));
    const int changed = AuditRules::IndexOf(QStringLiteral("M06"));
    for (const Enterprise& e : enterprises) {
        if (e.Hotel && !current.contains(e.Code))
            findings.push_back({e.Code, e.Name, e.Region, missing, MonthText(Year, Month) + QStringLiteral(" 无月报")});
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
    const std::pair<const char*, const char*> tables[] = {
        {"Base04", "YearendEmployment"}, {"Base06", "YearendEmployment"},
        {"Base08", "yearendemployee"},   {"Base09", "yearendemployee"}};
    for (const auto& [table, employment] : tables) {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT code, MONTH(TableDate), OperationIncome, ProfitTotal, %1 FROM %2"
                               " WHERE YEAR(TableDate) = %3 AND ")
                        .arg(QLatin1String(employment), QLatin1String(table))
                        .arg(Year) +
                    SourcePeriod::Range(QStringLiteral("TableDate"), Year),
                source, Recordset::Cursor::Forward);
        MonthCounts returns;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            const QString code = rs.Value(0).toString().trimmed();
            if (!enterprises.contains(code))
                continue;
            ++returns[{code, rs.Value(1).toInt()}];
            Sums& s = sums[code];
            s.Income += Number(rs.Value(2)).value_or(0);
            s.Profit += Number(rs.Value(3)).value_or(0);
            s.Employment += Number(rs.Value(4)).value_or(0);
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
                                QStringLiteral("ProfitTotal %1 > OperationIncome %2").arg(Text(found->Profit), Text(found->Income))});
        if (found->Income > 0 && found->Employment <= 0)
            findings.push_back({e.Code, e.Name, e.Region, missing + 2,
                                QStringLiteral("OperationIncome %1，YearendEmployment %2")
                                    .arg(Text(found->Income), Text(found->Employment))});
    }
}
