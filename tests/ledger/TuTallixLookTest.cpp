#include "FlexGrid.h"
#include "TuTallix.h"
#include "TuTallixDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::string Name(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) +
                                                         QLatin1Char(' ') + w->property("text").toString()
                                                   : w->objectName();
    return name.toStdString();
}

// Visible direct children of a container lie inside it, apart from each other, and show
// their captions whole.
void ExpectLaidOut(const QWidget* container)
{
    QList<const QWidget*> children;
    for (const QObject* o : container->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isWindow() && w->isVisible())
            children << w;
    }
    for (qsizetype i = 0; i < children.size(); ++i) {
        EXPECT_TRUE(container->rect().contains(children[i]->geometry()))
            << Name(children[i]) << " outside " << Name(container);
        EXPECT_GE(children[i]->width(), children[i]->minimumSizeHint().width()) << Name(children[i]);
        EXPECT_GE(children[i]->height(), children[i]->minimumSizeHint().height()) << Name(children[i]);
        for (qsizetype j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << Name(children[i]) << " overlaps " << Name(children[j]);
    }
}

void ExpectWholeWindowLaidOut(TuTallixDriver& d, const char* state)
{
    SCOPED_TRACE(state);
    QCoreApplication::processEvents();
    auto* sub = qobject_cast<QMdiSubWindow*>(d.Window().parentWidget());
    ASSERT_TRUE(sub);
    EXPECT_TRUE(d.Mother().MdiArea()->viewport()->rect().contains(sub->geometry()))
        << sub->geometry().width() << "x" << sub->geometry().height();
    ExpectLaidOut(&d.Window());
    for (const QGroupBox* frame : d.Window().findChildren<QGroupBox*>()) {
        if (frame->isVisible())
            ExpectLaidOut(frame);
    }
    for (const QLabel* label : d.Window().findChildren<QLabel*>()) {
        if (label->isVisible()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << Name(label);
        }
    }
    for (const QAbstractButton* button : d.Window().findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << Name(button);
        }
    }
    // the grids show at least a few rows
    for (const FlexGrid* grid : d.Window().findChildren<FlexGrid*>()) {
        if (grid->isVisible()) {
            EXPECT_GE(grid->viewport()->height(), 4 * grid->rowHeight(0) + 1) << Name(grid);
        }
    }
}

void SaveLook(TuTallixDriver& d, const char* file)
{
    const QString look = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (look.isEmpty())
        return;
    QDir().mkpath(look);
    EXPECT_TRUE(d.Mother().grab().save(look + QLatin1Char('/') + QLatin1String(file)));
}

// The main window at its default size with the ledger shown from its menu, in normal and
// in adding state. ORVANE_LOOK_DIR=/some/folder saves both as pictures.
TEST(TuTallixLook, FitsTheMainWindowWithNothingOverlappingOrCut)
{
    TuTallixDriver d;
    d.ComposeAccommodationItems();
    d.AddRegions({QStringLiteral("43"), QStringLiteral("4301"), QStringLiteral("4302")});
    d.Type("Text5", QStringLiteral("4301"));
    d.Click("CmdAddArea");
    d.Type("TxtYear", QStringLiteral("2006"));
    d.Type("TxtMonth", QStringLiteral("3"));
    d.Type("Text3", QStringLiteral("长沙株洲住宿"));
    d.Click("CmdSave");
    ASSERT_TRUE(d.TakeMessages().isEmpty());

    // the caption column fills the item grid; code and name share the region grid 1:2
    const FlexGrid* items = d.Find<FlexGrid>("FlexGridItem");
    EXPECT_EQ(items->columnWidth(0), items->viewport()->width());
    const FlexGrid* regions = d.Find<FlexGrid>("FlexGridArea");
    EXPECT_NEAR(regions->columnWidth(0) * 3, regions->viewport()->width(), 3);
    EXPECT_EQ(regions->columnWidth(0) + regions->columnWidth(1), regions->viewport()->width());

    ExpectWholeWindowLaidOut(d, "normal");
    SaveLook(d, "tutallix.png");

    d.Click("CmdAddItem");
    d.Find<QComboBox>("CmbSel")->setCurrentIndex(TuTallixDriver::Base05);
    d.SelectRow("FlexGridSubItem", 2);
    ExpectWholeWindowLaidOut(d, "adding");
    SaveLook(d, "tutallix_adding.png");
    d.Click("CmdQuit");

    // Tab walks the controls top to bottom, left to right
    d.Find<QLineEdit>("TxtYear")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order,
              (QStringList{"TxtYear", "TxtMonth", "OptAccom", "ChKRestaurant", "ChkOther", "FlexGridItem",
                           "CmdAddItem", "CmdDelItem", "OptCurrent", "Option8", "txtRegionKey"}));
}

} // namespace
