#include "TourUnitRequest.h"

#include "AnalysisRun.h"
#include "RunNotice.h"
#include "TourUnitReport.h"
#include "TourUnitRun.h"

bool TourUnitRequest::Run(AreaSum& engine, TourUnitReport& report, const RunProgress& progress) const
{
    return RunAndSave(report, TourUnitRun::Describe(Year, Regions),
                      [&] { report.AddRun(engine.CalculateTourUnitRegions(Regions, Year, progress)); });
}

QStringList TourUnitRequest::Notices() const
{
    return RunNotice::Of({Year, 0, static_cast<int>(Regions.size())});
}
