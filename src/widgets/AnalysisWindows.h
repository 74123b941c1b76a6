#pragma once

#include <functional>

// What an analysis window may ask of the main window without depending on it: the ledger's
// 取消 hides all three analysis windows.
namespace AnalysisWindows {

// Set by the main window; empty while there is none.
void SetHideAll(std::function<void()> hideAll);
void HideAll();

} // namespace AnalysisWindows
