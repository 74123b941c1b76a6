#include "MessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessagePresenter::Handler& Current()
{
    static MessagePresenter::Handler handler;
    return handler;
}
} // namespace

void MessagePresenter::Show(const QString& text)
{
    Show(text, ApplicationTitle(), Icon::None);
}

void MessagePresenter::Show(const QString& text, const QString& title, Icon icon, QWidget* parent)
{
    const Message message{text, title, icon};
    if (Current()) {
        Current()(message);
        return;
    }
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MessagePresenter::Handler MessagePresenter::SetHandler(Handler handler)
{
    Handler old = std::move(Current());
    Current() = std::move(handler);
    return old;
}
