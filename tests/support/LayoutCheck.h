#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <gtest/gtest.h>

// What a user sees of a window: the visible children of every frame lie inside it, apart from
// each other and not squeezed below their minimum; labels and buttons show their whole caption
// and every table a few rows.
inline void ExpectLaidOut(const QWidget* window)
{
    const auto name = [](const QWidget* w) {
        return (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) + QLatin1Char(' ') +
                                                w->property("text").toString()
                                          : w->objectName())
            .toStdString();
    };
    // A scroll area's body may be larger than its viewport: it is reached by scrolling.
    const auto scrolls = [](const QWidget* w) {
        return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w);
    };
    QList<const QWidget*> parents{window};
    for (const QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && !scrolls(w) && !scrolls(w->parentWidget()))
            parents << w;
    for (const QWidget* parent : parents) {
        QList<const QWidget*> children;
        for (const QObject* o : parent->children())
            if (const auto* w = qobject_cast<const QWidget*>(o);
                w && !w->isWindow() && w->isVisible() && !w->objectName().startsWith(QLatin1String("qt_")))
                children << w;
        for (qsizetype i = 0; i < children.size(); ++i) {
            const QWidget* w = children[i];
            EXPECT_TRUE(parent->rect().contains(w->geometry())) << name(w) << " outside " << name(parent);
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name(w);
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name(w);
            if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << name(w);
            }
            if (const auto* table = qobject_cast<const QTableView*>(w)) {
                EXPECT_GE(table->viewport()->height(), 4 * table->rowHeight(0) + 1) << name(w);
            }
            for (qsizetype j = i + 1; j < children.size(); ++j)
                EXPECT_FALSE(w->geometry().intersects(children[j]->geometry()))
                    << name(w) << " overlaps " << name(children[j]);
        }
    }
}
