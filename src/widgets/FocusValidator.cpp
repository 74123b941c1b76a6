#include "FocusValidator.h"

#include "MessagePresenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWindow>

namespace {

// Keeps a box's rule as a child of the box, so it goes when the box goes.
class RuleHolder : public QObject
{
public:
    RuleHolder(FocusValidator::Rule rule, QObject* parent) : QObject(parent), Rule(std::move(rule)) {}
    FocusValidator::Rule Rule;
};

RuleHolder* HolderOf(const QObject* box)
{
    for (QObject* child : box->children()) {
        if (auto* holder = dynamic_cast<RuleHolder*>(child))
            return holder;
    }
    return nullptr;
}

QLineEdit* AttachedBox(QObject* object)
{
    auto* box = qobject_cast<QLineEdit*>(object);
    return box && HolderOf(box) ? box : nullptr;
}

// The form a control belongs to: its MDI child window, else its top-level window.
QWidget* FormOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
            return w;
    }
    return nullptr;
}

bool IsControlOfSameForm(QWidget* box, QWidget* other)
{
    QWidget* form = FormOf(box);
    // The MDI frame itself (its title bar) is no control of the form.
    return other != form && FormOf(other) == form;
}

QWidget* DeepestProxy(QWidget* widget)
{
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

bool TakesClickFocus(QWidget* widget)
{
    QWidget* proxy = DeepestProxy(widget);
    return (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus &&
           (proxy->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
}

// The widget a click on `clicked` will give the focus to, or nullptr when the focus stays;
// the same walk up the parents that the application does on a press.
QWidget* ClickFocusTarget(QWidget* clicked)
{
    for (QWidget* w = clicked; w; w = w->parentWidget()) {
        if (w->isEnabled() && TakesClickFocus(w))
            return DeepestProxy(w);
        if (w->isWindow() || DeepestProxy(w)->hasFocus())
            return nullptr;
    }
    return nullptr;
}

const char* const ExemptProperty = "orvaneNoValidation";

bool IsExempt(const QWidget* control)
{
    return control && control->property(ExemptProperty).toBool();
}

bool IsPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

FocusValidator::FocusValidator(QObject* parent) : QObject(parent) {}

FocusValidator* FocusValidator::Instance()
{
    static QPointer<FocusValidator> instance;
    if (!instance) {
        instance = new FocusValidator(qApp);
        qApp->installEventFilter(instance);
    }
    return instance;
}

void FocusValidator::Attach(QLineEdit* box, Rule rule)
{
    Instance();
    delete HolderOf(box);
    if (rule)
        new RuleHolder(std::move(rule), box);
}

void FocusValidator::Exempt(QWidget* control)
{
    control->setProperty(ExemptProperty, true);
}

bool FocusValidator::Validate(QLineEdit* box)
{
    return Instance()->Run(box);
}

bool FocusValidator::Run(QLineEdit* box)
{
    const RuleHolder* holder = HolderOf(box);
    if (!holder || busy_)
        return true;
    busy_ = true;
    const Verdict verdict = holder->Rule(box->text());
    if (verdict.Accepted) {
        if (verdict.Replacement && *verdict.Replacement != box->text())
            box->setText(*verdict.Replacement);
        passed_ = box;
        passedText_ = box->text();
        busy_ = false;
        return true;
    }
    const QPointer<QLineEdit> guard(box);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    MessagePresenter::Show(verdict.Message);
    // A modal message box takes the activation and the focus with it; bring both back.
    if (guard) {
        if (!guard->isActiveWindow())
            guard->activateWindow();
        guard->setFocus(Qt::OtherFocusReason);
        guard->selectAll();
    }
    busy_ = false;
    return false;
}

bool FocusValidator::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (watched->isWindowType())
            return FilterWindowMouse(static_cast<QWindow*>(watched), static_cast<QMouseEvent*>(event));
        if (watched->isWidgetType())
            return FilterWidgetMouse(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::KeyPress:
        if (QLineEdit* box = AttachedBox(watched))
            return FilterKey(box, static_cast<const QKeyEvent*>(event));
        return false;
    case QEvent::FocusOut:
        if (QLineEdit* box = AttachedBox(watched))
            return FilterFocusOut(box, static_cast<const QFocusEvent*>(event));
        return false;
    default:
        return false;
    }
}

bool FocusValidator::FilterWindowMouse(QWindow* window, QMouseEvent* mouse)
{
    if (!IsPress(mouse)) {
        if (!swallowWindowRelease_)
            return false;
        if (mouse->buttons() == Qt::NoButton)
            swallowWindowRelease_ = false;
        mouse->accept();
        return true;
    }
    // A new click: whatever was left of a refused one no longer matters.
    swallowWindowRelease_ = false;
    if (busy_ || QApplication::activePopupWidget())
        return false;
    QLineEdit* box = AttachedBox(QApplication::focusWidget());
    if (!box)
        return false;
    QWidget* top = box->window();
    if (top->windowHandle() != window)
        return false;
    QWidget* clicked = top->childAt(mouse->position().toPoint());
    QWidget* target = ClickFocusTarget(clicked ? clicked : top);
    if (!target || target == box || !IsControlOfSameForm(box, target) || IsExempt(target))
        return false;
    if (Run(box))
        return false;
    swallowWindowRelease_ = true;
    mouse->accept();
    return true;
}

bool FocusValidator::FilterWidgetMouse(QMouseEvent* mouse)
{
    if (IsPress(mouse)) {
        swallowRelease_ = swallowPress_;
        if (!swallowPress_)
            return false;
        swallowPress_ = false;
        mouse->accept();
        return true;
    }
    if (!swallowRelease_)
        return false;
    if (mouse->buttons() == Qt::NoButton)
        swallowRelease_ = false;
    mouse->accept();
    return true;
}

bool FocusValidator::FilterKey(QLineEdit* box, const QKeyEvent* key)
{
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return false;
    // Ctrl+Tab and Alt+Tab belong to the window manager and the MDI area.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return !Run(box);
}

bool FocusValidator::FilterFocusOut(QLineEdit* box, const QFocusEvent* focus)
{
    const Qt::FocusReason reason = focus->reason();
    if (busy_ ||
        (reason != Qt::MouseFocusReason && reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
        return false;
    // The focus has already moved on when the box hears of it.
    QWidget* next = QApplication::focusWidget();
    if (!next || next == box || !IsControlOfSameForm(box, next) || IsExempt(next))
        return false;
    if (passed_ == box && passedText_ == box->text()) {
        passed_.clear();
        return false;
    }
    if (Run(box))
        return false;
    if (reason == Qt::MouseFocusReason) {
        // The press that moved the focus is delivered right after this; drop it. Should it
        // never come, the next turn of the event loop forgets it.
        swallowPress_ = true;
        QMetaObject::invokeMethod(
            this, [this] { swallowPress_ = false; }, Qt::QueuedConnection);
    }
    // The box has the focus back: it must not act as if it had lost it.
    return true;
}
