#include "TallixRun.h"

#include "TallixCondition.h"

namespace TallixRun {

QString UnitTypeText(const TallixCondition& c)
{
    const auto withSub = [&](const char* unit, const char* first, const char* second) {
        QString text = QString::fromUtf8(unit);
        if (c.SubType == QLatin1String("1"))
            text += QStringLiteral("（") + QString::fromUtf8(first) + QStringLiteral("）");
        else if (c.SubType == QLatin1String("2"))
            text += QStringLiteral("（") + QString::fromUtf8(second) + QStringLiteral("）");
        return text;
    };
    if (c.CodeHead == QLatin1String("A"))
        return withSub("旅行社", "国际", "国内");
    if (c.CodeHead == QLatin1String("B"))
        return withSub("住宿设施", "旅游饭店", "其他");
    if (c.CodeHead == QLatin1String("C"))
        return QStringLiteral("旅游景区");
    return QStringLiteral("其他企业");
}

QString ModeText(int tableStyle)
{
    switch (tableStyle) {
    case 1: return QStringLiteral("按本期数值");
    case 2: return QStringLiteral("按累计数值");
    case 3: return QStringLiteral("按同期比较");
    case 4: return QStringLiteral("按累计比较");
    default: return QString();
    }
}

ReportRun Describe(const TallixCondition& condition, const QStringList& codes, bool isArea,
                   const QStringList& captions)
{
    ReportRun run;
    run.Analysis = QStringLiteral("旅游企业台帐");
    const bool cumulative = condition.TableStyle == 2 || condition.TableStyle == 4;
    run.Period = cumulative && condition.MonthStat > 1
                     ? QStringLiteral("%1年1至%2月").arg(condition.YearStat).arg(condition.MonthStat)
                     : ReportRun::PeriodText(condition.YearStat, condition.MonthStat);
    run.UnitType = UnitTypeText(condition);
    run.LedgerMode = ModeText(condition.TableStyle);
    run.Regions = ReportRun::NamesOf(codes, !isArea);
    run.Codes = codes;
    if (isArea)
        run.Shown = ReportRun::ShownNames(run.Codes, run.Regions);
    run.ByEnterprise = !isArea;
    run.Captions = captions;
    run.RunAt = QDateTime::currentDateTime();
    return run;
}

} // namespace TallixRun
