#include "AnalysisWindows.h"
#include "TuTallixDriver.h"
#include "LayoutCheck.h"
#include "WindowInput.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

// The item dictionaries of the fixture's returns, and a register dictionary so that a
// register field can be composed like any other.
const char* const SourceDictionaries = R"SQL(
INSERT INTO dic_base05 (content, fieldname) VALUES
    ('客房+餐饮收入', 'RoomIncome+RestaurantIncome'), ('接待人数', 'InTourist'), ('客房收入', 'RoomIncome');
INSERT INTO dic_base06 (content, fieldname) VALUES ('营业收入', 'OperationIncome'), ('利润总额', 'ProfitTotal');
INSERT INTO dic_base04 (content, fieldname) VALUES ('组织团数', 'OrganizeGroups'), ('接待人次', 'ReceptionPersons');
CREATE TABLE dic_base01 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
INSERT INTO dic_base01 (content, fieldname) VALUES ('客房数', 'Rooms')
)SQL";

} // namespace

TuTallixDriver::TuTallixDriver()
{
    LedgerFixture::FillSource(folder_);
    folder_.Source(QString::fromUtf8(SourceDictionaries));
    folder_.Own("INSERT INTO dic_ttallix (unittype, tablename, tabletitle, indextable) VALUES "
                "(1, 'Base01', '企业基本情况', 'dic_base01')");
    previous_ =
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages_ << m.Text; });

    mother_ = std::make_unique<MotherForm>(folder_.Path());
    mother_->SetFactory(MotherForm::Analysis::TuTallix, [] { return new TuTallix; });
    mother_->show();
    window_ = qobject_cast<TuTallix*>(mother_->ShowAnalysis(MotherForm::Analysis::TuTallix));
    if (!window_) {
        MessagePresenter::SetHandler(previous_);
        throw std::runtime_error("the menu entry made no TuTallix");
    }
    QApplication::setActiveWindow(mother_.get());
    QCoreApplication::processEvents();
}

TuTallixDriver::~TuTallixDriver()
{
    mother_.reset();
    MessagePresenter::SetHandler(previous_);
}

QStringList TuTallixDriver::Ticked() const
{
    QStringList ticked;
    for (const char* box : {"ChKRestaurant", "ChkOther", "ChkInternation", "ChkNation"})
        if (Checked(box))
            ticked << QLatin1String(box);
    return ticked;
}

QStringList TuTallixDriver::GridRows(const char* name) const
{
    return ::GridRows(*Find<FlexGrid>(name));
}

QStringList TuTallixDriver::ListEntries() const
{
    QStringList entries;
    const auto* list = Find<QListWidget>("List1");
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

void TuTallixDriver::Type(const char* name, const QString& text)
{
    TypeInto(Find<QLineEdit>(name), text);
}

void TuTallixDriver::Choose(const char* option)
{
    // on the round indicator, where a user clicks
    auto* button = Find<QAbstractButton>(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void TuTallixDriver::Delete(const char* grid, int row, const char* button)
{
    SelectRow(grid, row);
    Click(button);
}

void TuTallixDriver::Enter(const char* box, const char* button, const QStringList& texts)
{
    for (const QString& text : texts) {
        Type(box, text);
        Click(button);
    }
}

void TuTallixDriver::SetPeriod(const QString& year, const QString& month)
{
    Type("TxtYear", year);
    Type("TxtMonth", month);
}

void TuTallixDriver::Open(const QString& name)
{
    auto* list = Find<QListWidget>("List1");
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        throw std::runtime_error("no configuration " + name.toStdString() + " in List1");
    list->setCurrentItem(found.first());
    Click("CmdOpen");
}

void TuTallixDriver::ComposeItem(Table table, int subItemRow)
{
    if (!Find("Frame9")->isVisible())
        Click("CmdAddItem");
    Find<QComboBox>("CmbSel")->setCurrentIndex(table);
    SelectRow("FlexGridSubItem", subItemRow);
    Click("CmdAddSubItem");
}

void TuTallixDriver::ComposeAccommodationItems()
{
    ComposeItem(Base05, 1);
    ComposeItem(Base05, 2);
    ComposeItem(Base06, 1);
    ComposeItem(Base01, 1);
    Click("CmdQuit");
}

void TuTallixDriver::ExpectLaidOut(const char* look)
{
    SCOPED_TRACE(look);
    QCoreApplication::processEvents();
    auto* sub = AnalysisWindows::SubWindowOf(window_);
    ASSERT_TRUE(sub);
    EXPECT_TRUE(mother_->MdiArea()->viewport()->rect().contains(sub->geometry()));
    ::ExpectLaidOut(window_);
    const QString folder = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(mother_->grab().save(folder + QLatin1Char('/') + QLatin1String(look) + ".png"));
    }
}
