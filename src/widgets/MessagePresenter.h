#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here: an OK button, no icon and the
// title "Orvane", unless a message names its own title and icon. Tests replace the
// presenter to read what was shown instead of blocking on a modal box.
class MessagePresenter
{
public:
    enum class Icon { None, Critical, Warning, Information, Question };

    struct Message
    {
        QString Text;
        QString Title;
        Icon Kind = Icon::None;
    };

    using Handler = std::function<void(const Message&)>;
    using AskHandler = std::function<bool(const Message&)>;

    static void Show(const QString& text);
    static void Show(const QString& text, const QString& title, Icon icon, QWidget* parent = nullptr);

    // A question with the buttons 是 and 否 (否 is the default); true for 是.
    static bool Ask(const QString& text);

    // Replaces the presenter (an empty handler restores the message box); returns the old one.
    static Handler SetHandler(Handler handler);
    // Replaces the answer to questions. Without one, a replaced presenter hears the question
    // and the answer is 是.
    static AskHandler SetAskHandler(AskHandler handler);

    static QString ApplicationTitle() { return QStringLiteral("Orvane"); }
};
