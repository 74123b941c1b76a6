#include "HotelRun.h"

#include "HotelCondition.h"

#include <algorithm>

namespace {

QString Range(const QString& caption, double start, double end)
{
    const QString from = HotelCondition::NumberSql(start);
    const QString to = HotelCondition::NumberSql(end);
    if (start != -1 && end != -1)
        return start == end ? caption + QStringLiteral(" = ") + from
                            : caption + QLatin1Char(' ') + from + QStringLiteral(" 至 ") + to;
    if (start != -1)
        return caption + QStringLiteral(" ≥ ") + from;
    return caption + QStringLiteral(" ≤ ") + to;
}

template <typename T, typename Text> QString List(const QString& caption, const T& values, Text text)
{
    if (values.empty())
        return caption + QStringLiteral(" 无");
    QStringList parts;
    for (const auto& v : values)
        parts << text(v);
    return caption + QLatin1Char(' ') + parts.join(QStringLiteral("、"));
}

} // namespace

namespace HotelRun {

const std::array<RegtypeBox, 10>& RegtypeBoxes()
{
    static const std::array<RegtypeBox, 10> boxes{{{"国有", {110}},
                                                    {"集体", {120}},
                                                    {"股合", {130}},
                                                    {"联营", {140}},
                                                    {"有限", {150}},
                                                    {"股有", {160}},
                                                    {"私营", {170}},
                                                    {"其他", {190}},
                                                    {"港澳台", {210, 220, 230, 240}},
                                                    {"外商", {310, 320, 330, 340}}}};
    return boxes;
}

QStringList RegtypeCaptions(const std::vector<std::int16_t>& codes)
{
    std::vector<std::int16_t> rest = codes;
    QStringList names;
    for (const RegtypeBox& box : RegtypeBoxes()) {
        const bool whole = std::all_of(box.Codes.begin(), box.Codes.end(), [&](std::int16_t code) {
            return std::find(rest.begin(), rest.end(), code) != rest.end();
        });
        if (!whole)
            continue;
        names << QString::fromUtf8(box.Caption);
        std::erase_if(rest, [&](std::int16_t code) {
            return std::find(box.Codes.begin(), box.Codes.end(), code) != box.Codes.end();
        });
    }
    for (std::int16_t code : rest)
        names << QString::number(code);
    return names;
}

QStringList Conditions(const HotelCondition& c)
{
    const HotelCondition all = HotelCondition::AllHotels(c.YearStat, c.MonthStat);
    QStringList out;
    if (c.RegType() != all.RegType())
        out << List(QStringLiteral("注册类型"), RegtypeCaptions(c.RegType()), [](const QString& v) { return v; });
    if (c.Starlevel() != all.Starlevel())
        out << List(QStringLiteral("星级"), c.Starlevel(),
                    [](std::int16_t v) { return QString::number(v) + QStringLiteral("星"); });
    if (c.StatCategory() != all.StatCategory())
        out << List(QStringLiteral("统计类别"), c.StatCategory(), [](const QString& v) { return v; });

    const struct
    {
        const char* caption;
        double start, end;
    } ranges[] = {
        {"开业时间", double(c.OpenDateStart), double(c.OpenDateEnd)},
        {"客房规模", c.RoomsStart, c.RoomsEnd},
        {"营业收入", c.OperateIncomeStart, c.OperateIncomeEnd},
        {"利润总额", c.ProfitTotalStart, c.ProfitTotalEnd},
        {"固定资产", c.FixedAssetsStart, c.FixedAssetsEnd},
        {"客房出租率", c.RentPercentStart, c.RentPercentEnd},
        {"接待人数", c.ReceptionNumStart, c.ReceptionNumEnd},
        {"人均营业收入", c.IncomePerStart, c.IncomePerEnd},
        {"人均利润", c.ProfitPerStart, c.ProfitPerEnd},
    };
    for (const auto& r : ranges)
        if (r.start != -1 || r.end != -1)
            out << Range(QString::fromUtf8(r.caption), r.start, r.end);
    return out;
}

ReportRun Describe(const HotelCondition& condition, const QStringList& regionCodes)
{
    ReportRun run;
    run.Analysis = QStringLiteral("饭店分析报表");
    run.Period = ReportRun::PeriodText(condition.YearStat, condition.MonthStat);
    run.Regions = ReportRun::NamesOf(regionCodes, false);
    run.Codes = regionCodes;
    run.Shown = ReportRun::ShownNames(run.Codes, run.Regions);
    run.Conditions = Conditions(condition);
    run.RunAt = QDateTime::currentDateTime();
    return run;
}

} // namespace HotelRun
