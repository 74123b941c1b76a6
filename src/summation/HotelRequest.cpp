#include "HotelRequest.h"

#include "AnalysisRun.h"
#include "HotelReport.h"
#include "HotelRun.h"
#include "RunNotice.h"

bool HotelRequest::Run(AreaSum& engine, HotelReport& report, const RunProgress& progress) const
{
    return RunAndSave(report, HotelRun::Describe(Condition, Regions),
                      [&] { report.AddRun(engine.CalculateHotelRegions(Regions, Condition, progress)); });
}

QStringList HotelRequest::Notices() const
{
    return RunNotice::Of({Condition.YearStat, Condition.MonthStat, static_cast<int>(Regions.size())});
}
