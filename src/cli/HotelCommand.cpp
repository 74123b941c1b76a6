#include "HotelCommand.h"

#include "AreaSum.h"
#include "CliArguments.h"
#include "CliError.h"
#include "CliInterrupt.h"
#include "CliNotice.h"
#include "Connection.h"
#include "HotelCondition.h"
#include "HotelRanges.h"
#include "HotelReport.h"
#include "HotelRequest.h"
#include "HotelRun.h"
#include "InputRules.h"
#include "Numeric.h"
#include "RegionDirectory.h"
#include "RunNotice.h"

#include <functional>
#include <optional>

namespace HotelCommand {

namespace {

using InputRules::Verdict;

// What the window's range group would hold: the combo's item and its two boxes.
struct RangeState
{
    int item = InputRules::Unlimited;
    QString start;
    QString end;
};

// FROM:TO as the window's boxes take it; each typed number passes its box's validator.
RangeState ReadRange(const CliArguments& args, const HotelRanges::Rule& group)
{
    RangeState state;
    const QString option = QString::fromLatin1(group.Option);
    const auto value = args.Value(option);
    if (!value)
        return state;
    const qsizetype colon = value->indexOf(QLatin1Char(':'));
    if (colon < 0)
        throw CliError(QStringLiteral("范围应写作 FROM:TO：--") + option + QLatin1Char(' ') + *value);
    QString from = value->left(colon).trimmed();
    QString to = value->mid(colon + 1).trimmed();
    for (QString* side : {&from, &to}) {
        if (side->isEmpty())
            continue;
        const Verdict verdict = group.Family(*side);
        if (!verdict.accepted)
            throw CliError(group.Refusal);
        *side = verdict.text;
    }
    if (!from.isEmpty() && !to.isEmpty())
        state = {InputRules::Between, from, to};
    else if (!from.isEmpty())
        state = {InputRules::AtLeast, from, QString()};
    else if (!to.isEmpty())
        state = {InputRules::AtMost, to, QString()}; // "at most" takes its number in the start box
    return state;
}

void FillRange(HotelCondition& condition, const HotelRanges::Rule& group, const RangeState& state)
{
    const auto [from, to] = HotelRanges::Bounds(state.item, state.start, state.end);
    group.Fill(condition, from, to);
}

// The region grid: each typed key checked, normalised and found in the source Area.
QStringList Regions(const CliArguments& args)
{
    QStringList codes;
    for (const QString& key : args.Values(QStringLiteral("region"))) {
        if (!InputRules::RegionKey(key).accepted)
            throw CliError(InputRules::DataMessage);
        if (key.isEmpty())
            throw CliError(InputRules::RegionEmptyMessage);
        const auto code = RegionDirectory::CodeOf(key);
        if (!code)
            throw CliError(InputRules::DataMessage);
        if (!RegionDirectory::Name(*code))
            throw CliError(InputRules::RegionUnknownMessage);
        codes << *code;
    }
    return codes;
}

// A list option; nullopt when it is not given (the window's boxes stay ticked). Only what
// the window's boxes can tick passes: anything else would reach the query as it is.
std::optional<QStringList> Ticks(const CliArguments& args, const char* option, const QStringList& boxes)
{
    const auto list = args.Value(QString::fromLatin1(option));
    if (!list)
        return std::nullopt;
    QStringList items;
    if (list->trimmed().isEmpty())
        return items;
    for (const QString& raw : list->split(QLatin1Char(','))) {
        const QString item = raw.trimmed();
        if (!boxes.contains(item))
            throw CliError(QStringLiteral("--") + QLatin1String(option) + QStringLiteral(" 只接受 ") +
                           boxes.join(QLatin1Char(',')) + QStringLiteral("：“") + item + QStringLiteral("”"));
        items << item;
    }
    return items;
}

std::optional<std::vector<std::int16_t>> Numbers(const CliArguments& args, const char* option,
                                                 const QStringList& boxes)
{
    const auto items = Ticks(args, option, boxes);
    if (!items)
        return std::nullopt;
    std::vector<std::int16_t> numbers;
    for (const QString& item : *items)
        numbers.push_back(item.toShort());
    return numbers;
}

// The registration codes the boxes of 注册类型 admit.
QStringList RegtypeCodes()
{
    QStringList texts;
    for (const HotelRun::RegtypeBox& box : HotelRun::RegtypeBoxes())
        for (const std::int16_t code : box.Codes)
            texts << QString::number(code);
    return texts;
}

QString PeriodText(const CliArguments& args, const char* option, Verdict (*family)(const QString&),
                   const QString& refusal)
{
    QString text = args.Value(QString::fromLatin1(option)).value_or(QString());
    if (!family(text).accepted)
        throw CliError(refusal);
    return text;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out)
{
    const CliArguments args(arguments);
    QStringList allowed = {QStringLiteral("year"),    QStringLiteral("month"), QStringLiteral("region"),
                           QStringLiteral("regtype"), QStringLiteral("star"),  QStringLiteral("category")};
    for (const HotelRanges::Rule& group : HotelRanges::Rules())
        allowed << QString::fromLatin1(group.Option);
    args.Allow(allowed);

    // What the user types into the boxes, each checked as its box checks it.
    const QString year = PeriodText(args, "year", InputRules::Year, InputRules::YearMessage);
    const QString month = PeriodText(args, "month", InputRules::Month, InputRules::MonthMessage);
    const QStringList regions = Regions(args);
    std::vector<RangeState> ranges;
    for (const HotelRanges::Rule& group : HotelRanges::Rules())
        ranges.push_back(ReadRange(args, group));
    const auto regtypes = Numbers(args, "regtype", RegtypeCodes());
    const auto stars = Numbers(args, "star", {"0", "1", "2", "3", "4", "5"});
    const auto categories = Ticks(args, "category", HotelCondition::AllCategories());

    // The run's own checks.
    if (year.isEmpty() || month.isEmpty())
        throw CliError(InputRules::PeriodEmptyMessage);
    for (std::size_t i = 0; i < ranges.size(); ++i)
        if (!InputRules::RangeComplete(ranges[i].item, ranges[i].start, ranges[i].end))
            throw CliError(HotelRanges::Rules()[i].Incomplete);
    // 300:100 admits nothing: a report of zeros that nobody asked for.
    for (const RangeState& range : ranges)
        if (!InputRules::RangeOrdered(range.item, range.start, range.end))
            throw CliError(InputRules::RangeReversedMessage);

    HotelCondition condition =
        HotelCondition::AllHotels(Numeric::ToInt16(year.trimmed()), Numeric::ToInt16(month.trimmed()));
    for (std::size_t i = 0; i < ranges.size(); ++i)
        FillRange(condition, HotelRanges::Rules()[i], ranges[i]);
    if (regtypes)
        condition.SetRegType(*regtypes);
    if (stars)
        condition.SetStarlevel(*stars);
    if (categories)
        condition.SetStatCategory(*categories);

    // Every region is computed before anything is written: a failing pass leaves the
    // result tables as they were.
    const HotelRequest request{condition, regions};
    AreaSum engine;
    HotelReport report;
    if (!request.Run(engine, report, CliInterrupt::Progress()))
        throw RunCancelled();
    out << RunNotice::DoneMessage << '\n';
    out.flush();
    CliNotice::PrintRepeated(regions, RunNotice::RegionListedTwice);
    CliNotice::Print(request.Notices());
    return 0;
}

} // namespace HotelCommand
