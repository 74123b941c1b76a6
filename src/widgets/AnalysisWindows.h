#pragma once

#include <QString>
#include <functional>

class QMdiSubWindow;
class QWidget;

// What an analysis window may ask of the main window without depending on it: the ledger's
// 取消 hides all three analysis windows, a close button hides its own, a save is reported in
// the status bar.
namespace AnalysisWindows {

// Set by the main window; empty while there is none.
void SetHideAll(std::function<void()> hideAll);
void HideAll();

// The sub-window of the main window that holds a window (also through a scroll area), or
// nullptr for a window of its own.
QMdiSubWindow* SubWindowOf(const QWidget* window);

// Hides a window: its sub-window, or the window itself when it has none. Its contents stay.
void Hide(QWidget* window);

// A short notice in the status bar of the main window that holds the window; nothing when
// the window stands alone.
void ShowStatus(const QWidget* window, const QString& text);

} // namespace AnalysisWindows
