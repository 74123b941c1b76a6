#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QWidget;
class QWindow;

// Validation of a text box when it is about to lose the focus to another control of its
// window (Tab, Shift+Tab, a mouse click). A refused value keeps the focus in the box with
// its whole text selected, shows the rule's message, and the click that would have taken
// the focus away does not reach its control. Focus lost to another window, a popup or a
// hidden window is not validated.
//
// One application-wide event filter does the work: it sees a mouse press at the window
// before any control takes the focus, and a Tab before the box acts on it. Clicks delivered
// straight to a control (as test drivers do) are caught when the box loses the focus: the
// focus is given back and the press is dropped.
class FocusValidator : public QObject
{
    Q_OBJECT

public:
    struct Verdict
    {
        bool Accepted = true;
        // On acceptance the box's text becomes this (a number written in its standard form).
        std::optional<QString> Replacement;
        QString Message;

        static Verdict Accept() { return {}; }
        static Verdict Accept(const QString& replacement) { return {true, replacement, {}}; }
        static Verdict Refuse(const QString& message) { return {false, std::nullopt, message}; }
    };
    using Rule = std::function<Verdict(const QString& text)>;

    // Gives the box its rule (replacing an earlier one); an empty rule removes it.
    static void Attach(QLineEdit* box, Rule rule);

    // A click on this control (a close button) leaves the box that has the focus unchecked:
    // a window can always be closed, whatever its boxes hold.
    static void Exempt(QWidget* control);

    // Runs the box's rule now, with the same effects as on leaving the box. True when the
    // value is accepted or the box has no rule.
    static bool Validate(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusValidator(QObject* parent);
    static FocusValidator* Instance();

    bool Run(QLineEdit* box);
    bool FilterWindowMouse(QWindow* window, QMouseEvent* mouse);
    bool FilterWidgetMouse(QMouseEvent* mouse);
    bool FilterKey(QLineEdit* box, const QKeyEvent* key);
    bool FilterFocusOut(QLineEdit* box, const QFocusEvent* focus);

    bool busy_ = false;
    // The box and text last accepted, so the focus change that follows is not checked again.
    QPointer<QLineEdit> passed_;
    QString passedText_;
    // A refused click: its release at the window, or its press and release at a control.
    bool swallowWindowRelease_ = false;
    bool swallowPress_ = false;
    bool swallowRelease_ = false;
};
