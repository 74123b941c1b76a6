#include "TallixRequest.h"

#include "AnalysisRun.h"
#include "RunNotice.h"
#include "TallixReport.h"
#include "TallixRun.h"

bool TallixRequest::Run(AreaSum& engine, TallixReport& report, const RunProgress& progress)
{
    return RunAndSave(report, TallixRun::Describe(Condition, Codes, IsArea, Captions), [&] {
        if (HasRows)
            report.AddRun(engine.CalculateTallixRows(Codes, Condition, IsArea, progress));
    });
}

QStringList TallixRequest::Notices() const
{
    return RunNotice::Of({Condition.YearStat, Condition.MonthStat,
                          HasRows ? static_cast<int>(Codes.size()) : 0, HasRows && !IsArea,
                          static_cast<int>(Captions.size())});
}
