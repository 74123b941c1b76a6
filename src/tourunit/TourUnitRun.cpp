#include "TourUnitRun.h"

namespace TourUnitRun {

ReportRun Describe(std::int16_t year, const QStringList& regionCodes)
{
    ReportRun run;
    run.Analysis = QStringLiteral("旅游单位综合年报");
    run.Period = ReportRun::PeriodText(year, 0);
    run.Regions = ReportRun::NamesOf(regionCodes, false);
    run.Codes = regionCodes;
    run.Shown = ReportRun::ShownNames(run.Codes, run.Regions);
    run.RunAt = QDateTime::currentDateTime();
    return run;
}

} // namespace TourUnitRun
