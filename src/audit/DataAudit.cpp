#include "DataAudit.h"

#include "Connection.h"
#include "DbConnection.h"
#include "InputRules.h"
#include "Numeric.h"
#include "Recordset.h"
#include "RegionCode.h"
#include "RegionSelection.h"
#include "SqlText.h"

#include <QSet>
#include <algorithm>
#include <memory>

namespace {

const QSet<QString>& RegistrationTypes()
{
    static const QSet<QString> codes = {"110", "120", "130", "140", "150", "160", "170", "190",
                                        "210", "220", "230", "240", "310", "320", "330", "340"};
    return codes;
}

QString Trimmed(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString().trimmed();
}

// A column's value as the finding shows it: "Rooms 为空" or "Rooms = 0".
QString Shown(const char* column, const QString& value)
{
    return value.isEmpty() ? QLatin1String(column) + QStringLiteral(" 为空")
                           : QLatin1String(column) + QStringLiteral(" = ") + value;
}

// The register's own rules on one enterprise.
void RegisterRules(const DataAudit::Enterprise& e, const QSet<QString>& areas, const Recordset& rs,
                   std::vector<AuditFinding>& findings)
{
    const auto add = [&](int rule, const QString& value) {
        findings.push_back({e.Code, e.Name, e.Region, rule, value});
    };
    if (e.Region.isEmpty() || !areas.contains(e.Region))
        add(0, Shown("regionalismcode", e.Region));
    if (!e.Hotel)
        return;
    if (!e.Rooms || *e.Rooms <= 0)
        add(1, Shown("Rooms", Trimmed(rs.Value(4))));
    QStringList outside;
    const QString star = Trimmed(rs.Value(5));
    double level = -1;
    if (!Numeric::ParseNumber(star, &level) || Numeric::RoundEven(level) < 0 || Numeric::RoundEven(level) > 5)
        outside << Shown("AccommodationStar", star);
    const QString type = Trimmed(rs.Value(3));
    if (!RegistrationTypes().contains(type))
        outside << Shown("RegistrationType", type);
    if (!outside.isEmpty())
        add(2, outside.join(QStringLiteral("；")));
    if (Trimmed(rs.Value(6)).isEmpty())
        add(3, Shown("OpenDate", QString()));
}

} // namespace

std::optional<QString> DataAudit::Take(const QString& year, const QString& month,
                                       const QStringList& regionKeys, DbConnection& source)
{
    if (year.trimmed().isEmpty())
        return InputRules::YearEmptyMessage;
    if (!InputRules::Year(year).accepted)
        return InputRules::YearMessage;
    if (!InputRules::Month(month).accepted)
        return InputRules::MonthMessage;
    QStringList codes;
    for (const QString& key : regionKeys) {
        const auto number = RegionCode::ParseKey(key);
        if (!number)
            return InputRules::DataMessage;
        const QString code = QString::number(RegionCode::Normalise(*number));
        Recordset rs;
        rs.Open(QStringLiteral("SELECT Areacode FROM Area WHERE Areacode = ") + SqlText::Quoted(code),
                source);
        if (rs.RecordCount() == 0)
            return InputRules::RegionUnknownMessage;
        if (!codes.contains(code))
            codes << code;
    }
    Year = year.trimmed().toInt();
    Month = month.trimmed().isEmpty() ? 0 : month.trimmed().toInt();
    Regions = codes;
    return std::nullopt;
}

std::vector<AuditFinding> DataAudit::Run(DbConnection& source) const
{
    std::vector<AuditFinding> findings;
    const Register enterprises = ReadRegister(source, findings);
    if (Month > 0) {
        MonthlyReturns(source, enterprises, findings);
        Duplicates(source, QStringLiteral("Base06"), enterprises, findings);
    } else {
        AnnualReturns(source, enterprises, findings);
    }
    std::stable_sort(findings.begin(), findings.end(), [](const AuditFinding& a, const AuditFinding& b) {
        return a.Code != b.Code ? a.Code < b.Code : a.Rule < b.Rule;
    });
    return findings;
}

namespace {

std::unique_ptr<DbConnection> Source()
{
    auto source = std::make_unique<DbConnection>();
    source->Mode = ConnectMode::Read;
    source->Open(Connection::StatConnectionString());
    return source;
}

} // namespace

std::optional<QString> DataAudit::Take(const QString& year, const QString& month,
                                       const QStringList& regionKeys)
{
    return Take(year, month, regionKeys, *Source());
}

std::vector<AuditFinding> DataAudit::Run()
{
    {
        DbConnection own;
        own.Open(Connection::TallixConnectionString());
        Thresholds = AuditThresholds::Load(own);
    }
    return Run(*Source());
}

std::vector<AuditFinding> DataAudit::RunRegister(DbConnection& source) const
{
    std::vector<AuditFinding> findings;
    ReadRegister(source, findings);
    return findings;
}

DataAudit::Register DataAudit::ReadRegister(DbConnection& source, std::vector<AuditFinding>& findings) const
{
    QSet<QString> areas;
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT Areacode FROM Area"), source, Recordset::Cursor::Forward);
        for (; !rs.IsEOF(); rs.MoveNext())
            areas.insert(Trimmed(rs.Value(0)));
    }
    RegionSelection selection(Regions);
    Register enterprises;
    Recordset rs;
    rs.Open(QStringLiteral(
                "SELECT code, unitname, regionalismcode, RegistrationType, Rooms, AccommodationStar, OpenDate"
                " FROM Base01"),
            source, Recordset::Cursor::Forward);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (!Regions.isEmpty() && selection.Matching(rs.CurrentRow()[2]).empty())
            continue;
        Enterprise e;
        e.Code = Trimmed(rs.Value(0));
        e.Name = Trimmed(rs.Value(1));
        e.Region = Trimmed(rs.Value(2));
        e.Hotel = e.Code.startsWith(QLatin1Char('B'), Qt::CaseInsensitive);
        e.Rooms = Numeric::ToNumber(rs.Value(4));
        RegisterRules(e, areas, rs, findings);
        enterprises.insert(e.Code, e);
    }
    return enterprises;
}

std::vector<int> DataAudit::Counts(const std::vector<AuditFinding>& findings)
{
    std::vector<int> counts(AuditRules::All().size(), 0);
    for (const AuditFinding& f : findings)
        ++counts[static_cast<std::size_t>(f.Rule)];
    return counts;
}

QString DataAudit::Describe() const
{
    QString line =
        Month > 0 ? QStringLiteral("%1年%2月").arg(Year).arg(Month) : QStringLiteral("%1年").arg(Year);
    line += QStringLiteral(" · ");
    line += Regions.isEmpty() ? QStringLiteral("全部地区") : Regions.join(QStringLiteral("、"));
    return line;
}
