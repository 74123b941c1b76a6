#include "AnalysisWindows.h"

namespace AnalysisWindows {

namespace {
std::function<void()>& Hook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

void SetHideAll(std::function<void()> hideAll)
{
    Hook() = std::move(hideAll);
}

void HideAll()
{
    if (Hook())
        Hook()();
}

} // namespace AnalysisWindows
