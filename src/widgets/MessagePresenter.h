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
    enum class Icon { None, Critical, Warning, Information };

    struct Message
    {
        QString Text;
        QString Title;
        Icon Kind = Icon::None;
    };

    using Handler = std::function<void(const Message&)>;

    static void Show(const QString& text);
    static void Show(const QString& text, const QString& title, Icon icon, QWidget* parent = nullptr);

    // Replaces the presenter (an empty handler restores the message box); returns the old one.
    static Handler SetHandler(Handler handler);

    static QString ApplicationTitle() { return QStringLiteral("Orvane"); }
};
