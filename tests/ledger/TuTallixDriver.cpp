#include "AnalysisWindows.h"
#include "TuTallixDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
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

std::string Name(const QWidget* w)
{
    const QString text = w->property("text").toString();
    return (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) + QLatin1Char(' ') + text
                                      : w->objectName())
        .toStdString();
}

// Visible direct children of a container lie inside it, apart from each other, and are not
// squeezed below their minimum.
void ExpectChildrenLaidOut(const QWidget* container)
{
    QList<const QWidget*> children;
    for (const QObject* o : container->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isWindow() && w->isVisible())
            children << w;
    }
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget* w = children[i];
        EXPECT_TRUE(container->rect().contains(w->geometry())) << Name(w) << " outside " << Name(container);
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << Name(w);
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << Name(w);
        for (qsizetype j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(w->geometry().intersects(children[j]->geometry()))
                << Name(w) << " overlaps " << Name(children[j]);
    }
}

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
    QStringList rows;
    const FlexGrid* grid = Find<FlexGrid>(name);
    for (int r = 1; r < grid->Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->Cols(); ++c)
            cells << grid->TextMatrix(r, c);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
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
    auto* box = Find<QLineEdit>(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        QTest::keyClicks(box, text);
        return;
    }
    // Chinese arrives from the input method as committed text.
    QInputMethodEvent input;
    input.setCommitString(text);
    QApplication::sendEvent(box, &input);
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
    ExpectChildrenLaidOut(window_);
    for (const QWidget* w : window_->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        if (qobject_cast<const QGroupBox*>(w))
            ExpectChildrenLaidOut(w);
        // captions whole, a few rows of every grid
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << Name(w);
        }
        if (const auto* grid = qobject_cast<const FlexGrid*>(w)) {
            EXPECT_GE(grid->viewport()->height(), 4 * grid->rowHeight(0) + 1) << Name(w);
        }
    }
    const QString folder = qEnvironmentVariable("ORVANE_LOOK_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(mother_->grab().save(folder + QLatin1Char('/') + QLatin1String(look) + ".png"));
    }
}
