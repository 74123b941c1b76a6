#include "AnalysisWindows.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QStatusBar>

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

QMdiSubWindow* SubWindowOf(const QWidget* window)
{
    for (QWidget* w = window ? window->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

void Hide(QWidget* window)
{
    if (QMdiSubWindow* sub = SubWindowOf(window))
        sub->hide();
    else
        window->hide();
}

void ShowStatus(const QWidget* window, const QString& text)
{
    if (auto* main = qobject_cast<QMainWindow*>(window->window()))
        main->statusBar()->showMessage(text, 5000);
}

} // namespace AnalysisWindows
