#pragma once

#include "AreaSum.h"
#include "ReportRun.h"
#include "RunLock.h"

#include <utility>

// The sequence of every analysis run, for the windows and the command line alike: the run
// lock, the passes over every row before anything is written, the run line, the save. A
// cancelled run saves nothing, so the result tables keep the previous report; it returns false.
template <typename Report, typename Passes>
bool RunAndSave(Report& report, ReportRun description, Passes&& passes)
{
    const RunLock lock;
    report.Clear();
    bool whole = true;
    try {
        passes();
    } catch (const RunCancelled&) {
        whole = false;
    }
    report.Run = std::move(description);
    if (whole)
        report.Save();
    return whole;
}
