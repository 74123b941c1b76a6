#include "MessagePresenter.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// The window manager's buttons and margins beside the title.
constexpr int TitleBarRoom = 160;

// A short message makes a narrow box, whose title bar then cuts "Orvane" down to "O… e".
void KeepTitleWhole(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + TitleBarRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

MessagePresenter::Handler& Current()
{
    static MessagePresenter::Handler handler;
    return handler;
}

MessagePresenter::AskHandler& CurrentAsk()
{
    static MessagePresenter::AskHandler handler;
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
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    KeepTitleWhole(box);
    box.exec();
}

MessagePresenter::Handler MessagePresenter::SetHandler(Handler handler)
{
    Handler old = std::move(Current());
    Current() = std::move(handler);
    return old;
}

bool MessagePresenter::Ask(const QString& text)
{
    const Message message{text, ApplicationTitle(), Icon::Question};
    if (CurrentAsk())
        return CurrentAsk()(message);
    if (Current()) {
        Current()(message);
        return true;
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.Title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    KeepTitleWhole(box);
    return box.exec() == QMessageBox::Yes;
}

MessagePresenter::AskHandler MessagePresenter::SetAskHandler(AskHandler handler)
{
    AskHandler old = std::move(CurrentAsk());
    CurrentAsk() = std::move(handler);
    return old;
}
