#include "ScrollBody.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace ScrollBody {

QScrollArea* Build(QWidget* window, QLayout* body, QLayout* footer)
{
    auto* content = new QWidget;
    content->setObjectName(window->objectName() + QStringLiteral("Content"));
    body->setContentsMargins(0, 0, 0, 0);
    content->setLayout(body);
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(window->objectName() + QStringLiteral("Body"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    auto* root = new QVBoxLayout(window);
    root->addWidget(scroll, 1);
    root->addLayout(footer);
    return scroll;
}

} // namespace ScrollBody
