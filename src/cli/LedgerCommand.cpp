#include "LedgerCommand.h"

#include "AreaSum.h"
#include "CliInterrupt.h"
#include "CliArguments.h"
#include "CliError.h"
#include "InputRules.h"
#include "Numeric.h"
#include "RegionDirectory.h"
#include "RunNotice.h"
#include "CliNotice.h"
#include "TallixAreaData.h"
#include "TallixCondition.h"
#include "TallixInput.h"
#include "TallixLookup.h"
#include "TallixReport.h"
#include "TallixRequest.h"
#include "TallixRun.h"

#include <QRegularExpression>

namespace LedgerCommand {

namespace {

const QStringList Flags = {QStringLiteral("hotels"), QStringLiteral("other-accommodation"),
                           QStringLiteral("international"), QStringLiteral("domestic")};

void SetPeriod(const CliArguments& args, TallixCondition& condition)
{
    const QString year = args.Value(QStringLiteral("year")).value_or(QString());
    const QString month = args.Value(QStringLiteral("month")).value_or(QString());
    // The window refuses a bad year or month as the box is left, before the run asks for both.
    if (!TallixInput::YearAccepted(year))
        throw CliError(TallixInput::YearMessage);
    if (!TallixInput::MonthAccepted(month))
        throw CliError(TallixInput::MonthMessage);
    if (year.isEmpty() || month.isEmpty())
        throw CliError(TallixInput::PeriodEmptyMessage);
    condition.YearStat = Numeric::ToInt16(year.trimmed());
    condition.MonthStat = Numeric::ToInt16(month.trimmed());
}

// Two sub-boxes of one unit type: ticked or not as named; with neither named the window's
// initial ticks. Only one ticked selects that sub-type, both or neither the whole type.
QString SubType(const CliArguments& args, const QString& first, const QString& second, bool initiallyTicked)
{
    bool firstTicked = initiallyTicked;
    bool secondTicked = initiallyTicked;
    if (args.Has(first) || args.Has(second)) {
        firstTicked = args.Has(first);
        secondTicked = args.Has(second);
    }
    if (firstTicked && !secondTicked)
        return QStringLiteral("1");
    if (secondTicked && !firstTicked)
        return QStringLiteral("2");
    return QString();
}

void SetUnitType(const CliArguments& args, TallixCondition& condition)
{
    const QString unit = args.Value(QStringLiteral("unit")).value_or(QStringLiteral("accommodation"));
    if (unit == QLatin1String("accommodation")) {
        condition.CodeHead = QStringLiteral("B");
        condition.SubType =
            SubType(args, QStringLiteral("hotels"), QStringLiteral("other-accommodation"), true);
    } else if (unit == QLatin1String("agency")) {
        condition.CodeHead = QStringLiteral("A");
        condition.SubType = SubType(args, QStringLiteral("international"), QStringLiteral("domestic"), false);
    } else if (unit == QLatin1String("scenic")) {
        condition.CodeHead = QStringLiteral("C");
    } else if (unit == QLatin1String("other")) {
        condition.CodeHead = QStringLiteral("D");
    } else {
        throw CliError(QStringLiteral("--unit 应为 accommodation、agency、scenic 或 other"));
    }
}

void SetTableStyle(const CliArguments& args, TallixCondition& condition)
{
    const QString mode = args.Value(QStringLiteral("mode")).value_or(QStringLiteral("current"));
    const QStringList modes = {QStringLiteral("current"), QStringLiteral("cumulative"),
                               QStringLiteral("same-period"), QStringLiteral("cumulative-comparison")};
    const qsizetype style = modes.indexOf(mode);
    if (style < 0)
        throw CliError(
            QStringLiteral("--mode 应为 current、cumulative、same-period 或 cumulative-comparison"));
    condition.TableStyle = static_cast<std::int16_t>(style + 1);
}

// TABLE:FIELDS[:CAPTION]; names go into the query as they are, so only plain names pass.
// Returns the captions, the field expression where none is given.
QStringList SetIndexes(const CliArguments& args, TallixCondition& condition)
{
    const QStringList items = args.Values(QStringLiteral("item"));
    if (items.size() > TallixInput::MaxItems)
        throw CliError(TallixInput::TooManyItemsMessage);
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    TallixIndexList indexs;
    QStringList captions;
    for (const QString& item : items) {
        const QStringList parts = item.split(QLatin1Char(':'));
        const auto refuse = [&] {
            return CliError(QStringLiteral("--item 应为 TABLE:FIELDS[:CAPTION]：") + item);
        };
        if (parts.size() < 2 || parts.size() > 3)
            throw refuse();
        auto index = std::make_shared<TallixIndex>();
        index->Tablename = parts[0].trimmed();
        index->FieldName = parts[1].trimmed();
        if (!name.match(index->Tablename).hasMatch())
            throw refuse();
        for (const QString& term : index->FieldName.split(QLatin1Char('+')))
            if (!name.match(term).hasMatch())
                throw refuse();
        captions << (parts.size() == 3 && !parts[2].trimmed().isEmpty() ? parts[2].trimmed() : index->FieldName);
        if (!InputRules::PlainText(captions.last()))
            throw CliError(InputRules::ControlCharacterMessage);
        indexs.push_back(std::move(index));
    }
    condition.SetCustomIndexs(std::move(indexs));
    return captions;
}

QString RegionFromKey(const QString& key)
{
    if (key.trimmed().isEmpty())
        throw CliError(TallixInput::CodeEmptyMessage);
    const auto code = RegionDirectory::CodeOf(key);
    if (!TallixInput::RegionKeyAccepted(key) || !code)
        throw CliError(TallixInput::DataMessage);
    return *code;
}

struct Rows
{
    QStringList Codes;
    bool IsArea = true;
};

// The region or enterprise list, in the order the options were given, each entry checked
// against the source database as the window's add buttons check it; a region's enterprises
// are those of the unit type.
Rows CollectRows(const QStringList& arguments, const TallixCondition& unit)
{
    Rows rows;
    bool regions = false;
    bool enterprises = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = arguments[i].mid(2);
        if (Flags.contains(name) || i + 1 >= arguments.size())
            continue;
        const QString value = arguments[++i];
        if (name == QLatin1String("region")) {
            regions = true;
            const QString code = RegionFromKey(value);
            if (!RegionDirectory::Name(code))
                throw CliError(TallixInput::NoRegionMessage);
            rows.Codes << code;
        } else if (name == QLatin1String("enterprises-of")) {
            enterprises = true;
            // Enterprises of another unit type would only stand as rows of zeros.
            QString refusal;
            const auto found = TallixLookup::EnterprisesOfRegion(RegionFromKey(value), unit.UnitTypeSql(),
                                                                 TallixRun::UnitTypeText(unit), &refusal);
            if (found.isEmpty())
                throw CliError(refusal);
            for (const auto& entry : found)
                rows.Codes << entry.Code;
        } else if (name == QLatin1String("enterprise")) {
            enterprises = true;
            const QString code = value.trimmed();
            if (code.isEmpty())
                throw CliError(TallixInput::CodeEmptyMessage);
            if (!RegionDirectory::EnterpriseName(code))
                throw CliError(TallixInput::NoEnterpriseMessage);
            rows.Codes << code;
        }
    }
    if (regions && enterprises)
        throw CliError(QStringLiteral("--region 不能与 --enterprise、--enterprises-of 同时使用"));
    rows.IsArea = !enterprises;
    return rows;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out)
{
    const CliArguments args(arguments, Flags);
    args.Allow(QStringList{QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("unit"),
                           QStringLiteral("mode"), QStringLiteral("region"), QStringLiteral("enterprise"),
                           QStringLiteral("enterprises-of"), QStringLiteral("item")} +
               Flags);

    TallixCondition condition;
    SetPeriod(args, condition);
    SetUnitType(args, condition);
    SetTableStyle(args, condition);
    const QStringList captions = SetIndexes(args, condition);
    const Rows rows = CollectRows(arguments, condition);

    TallixRequest request{condition, rows.Codes, rows.IsArea, captions};
    TallixReport report;
    AreaSum engine;
    if (!request.Run(engine, report, CliInterrupt::Progress()))
        throw RunCancelled();
    out << TallixInput::DoneMessage << '\n';
    out.flush();
    CliNotice::PrintRepeated(rows.Codes,
                             rows.IsArea ? RunNotice::RegionListedTwice : RunNotice::EnterpriseListedTwice);
    CliNotice::Print(request.Notices());
    return 0;
}

} // namespace LedgerCommand
