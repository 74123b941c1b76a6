#include "AnnualFixture.h"
#include "FlexGrid.h"
#include "MotherForm.h"
#include "TempAppFolder.h"
#include "TourUnit.h"

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
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                                            w->property("text").toString()
                                      : w->objectName())
        .toStdString();
}

// Direct children of a container must lie inside it and not overlap each other.
void ExpectLaidOutInside(const QWidget* container)
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
        for (qsizetype j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << Name(children[i]) << " overlaps " << Name(children[j]);
    }
}

// The main window at its default size with the annual report window shown from its menu.
TEST(TourUnitLayout, FitsTheMainWindowWithNothingOverlappingOrCut)
{
    TempAppFolder folder;
    FillAnnualSource(folder);
    MotherForm form(folder.Path());
    form.SetFactory(MotherForm::Analysis::TourUnit, [] { return new TourUnit; });
    form.show();
    QWidget* window = form.ShowAnalysis(MotherForm::Analysis::TourUnit);
    ASSERT_TRUE(qobject_cast<TourUnit*>(window));
    QCoreApplication::processEvents();

    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_TRUE(sub);
    EXPECT_TRUE(form.MdiArea()->viewport()->rect().contains(sub->geometry()))
        << sub->geometry().width() << "x" << sub->geometry().height();

    ExpectLaidOutInside(window);
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        ExpectLaidOutInside(group);

    // captions are shown whole
    for (const QLabel* label : window->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << Name(label);
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << Name(button);
    const auto* combo = window->findChild<QComboBox*>("Comboprint2");
    EXPECT_GE(combo->width(), combo->fontMetrics().horizontalAdvance(combo->itemText(0)));

    // Tab walks the controls top to bottom, left to right
    QApplication::setActiveWindow(&form);
    window->findChild<QLineEdit*>("txtYear")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"txtYear", "txtRegionKey", "cmdAddnewRegion", "FlexGrid", "cmdDelRegion",
                                  "txtSave", "cmdSave", "MSfgSave", "cmdOpen", "cmdDel", "Comboprint2",
                                  "cmdType", "ChkAllSelect", "Check2_0", "Check2_1", "Check2_2"}));

    // A look at the window in use: ORVANE_LOOK_DIR=/some/folder saves the main window as a picture.
    for (const char* key : {"43", "4301", "430102"}) {
        window->findChild<QLineEdit*>("txtRegionKey")->setText(QLatin1String(key));
        QTest::mouseClick(window->findChild<QAbstractButton*>("cmdAddnewRegion"), Qt::LeftButton);
    }
    window->findChild<QLineEdit*>("txtSave")->setText(QStringLiteral("湖南省及长沙"));
    QTest::mouseClick(window->findChild<QAbstractButton*>("cmdSave"), Qt::LeftButton);
    ASSERT_EQ(window->findChild<FlexGrid*>("FlexGrid")->Rows(), 4);
    ASSERT_EQ(window->findChild<FlexGrid*>("MSfgSave")->Rows(), 2);
    const QString look = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (!look.isEmpty()) {
        QDir().mkpath(look);
        EXPECT_TRUE(form.grab().save(look + QStringLiteral("/tourunit.png")));
    }

    // the close button hides the child window; the menu shows it again with its entries
    auto* year = window->findChild<QLineEdit*>("txtYear");
    year->setText(QStringLiteral("2025"));
    QTest::mouseClick(window->findChild<QAbstractButton*>("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(form.ShowAnalysis(MotherForm::Analysis::TourUnit), window);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(year->text(), QStringLiteral("2025"));
}

} // namespace
