#include "HotelWindowHarness.h"

#include "FlexGrid.h"
#include "HotelFixture.h"
#include "MessagePresenter.h"
#include "WindowInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

HotelWindowTest::HotelWindowTest()
{
    MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
    LoadHotelFixture(folder);
}

HotelWindowTest::~HotelWindowTest()
{
    window_.reset();
    MessagePresenter::SetHandler({});
}

frmRestaurant& HotelWindowTest::Window()
{
    if (!window_) {
        window_ = std::make_unique<frmRestaurant>();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QCoreApplication::processEvents();
    }
    return *window_;
}

frmRestaurant& HotelWindowTest::Reload()
{
    window_.reset();
    return Window();
}

void HotelWindowTest::Type(const QString& box, const QString& text)
{
    auto* edit = Control<QLineEdit>(box);
    ASSERT_NE(edit, nullptr);
    TypeInto(edit, text);
}

void HotelWindowTest::Tab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void HotelWindowTest::Click(const QString& button)
{
    auto* b = Control<QPushButton>(button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

void HotelWindowTest::Tick(const QString& box, bool ticked)
{
    auto* b = Control<QCheckBox>(box);
    ASSERT_NE(b, nullptr);
    if (b->isChecked() != ticked)
        QTest::mouseClick(b, Qt::LeftButton);
}

void HotelWindowTest::AddRegion(const QString& key)
{
    Type(QStringLiteral("txtRegionKey"), key);
    Click(QStringLiteral("cmdAddnewRegion"));
}

void HotelWindowTest::TypePeriod()
{
    Type(QStringLiteral("txtYear"), QStringLiteral("2025"));
    Tab();
    Type(QStringLiteral("txtMonth"), QStringLiteral("12"));
    Tab();
}

void HotelWindowTest::SetRange(const QString& combo, int item, const QString& start, const QString& end)
{
    for (const frmRestaurant::RangeGroup& g : Window().RangeGroups()) {
        if (g.Combo->objectName() != combo)
            continue;
        g.Combo->setFocus();
        g.Combo->setCurrentIndex(item);
        if (!start.isEmpty())
            Type(g.Start->objectName(), start);
        if (!end.isEmpty())
            Type(g.End->objectName(), end);
    }
}

QString HotelWindowTest::RangeStates()
{
    QStringList states;
    for (const frmRestaurant::RangeGroup& g : Window().RangeGroups())
        states << QStringLiteral("%1[%2|%3]%4%5")
                      .arg(g.Combo->currentIndex())
                      .arg(g.Start->text(), g.End->text(), g.Start->isEnabled() ? "+" : "-",
                           g.End->isEnabled() ? "+" : "-");
    return states.join(QStringLiteral("; "));
}

QStringList HotelWindowTest::GridRows()
{
    return ::GridRows(*Window().FlexGrid);
}

QStringList HotelWindowTest::Listed()
{
    QStringList names;
    for (int i = 0; i < Window().lstConditon->count(); ++i)
        names << Window().lstConditon->item(i)->text();
    return names;
}

void HotelWindowTest::Select(const QString& name)
{
    QListWidget* list = Window().lstConditon;
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}
