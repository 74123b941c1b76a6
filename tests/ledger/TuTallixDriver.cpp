#include "TuTallixDriver.h"

#include "FlexGrid.h"
#include "LedgerFixture.h"
#include "TuTallix.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

// The item dictionaries of the fixture's returns, and a register dictionary so that a
// register field can be composed like any other.
const char* const SourceDictionaries = R"SQL(
INSERT INTO dic_base05 (content, fieldname) VALUES
    ('客房+餐饮收入', 'RoomIncome+RestaurantIncome'),
    ('接待人数', 'InTourist'),
    ('客房收入', 'RoomIncome');
INSERT INTO dic_base06 (content, fieldname) VALUES
    ('营业收入', 'OperationIncome'),
    ('利润总额', 'ProfitTotal');
INSERT INTO dic_base04 (content, fieldname) VALUES
    ('组织团数', 'OrganizeGroups'),
    ('接待人次', 'ReceptionPersons');
CREATE TABLE dic_base01 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
INSERT INTO dic_base01 (content, fieldname) VALUES ('客房数', 'Rooms')
)SQL";

} // namespace

TuTallixDriver::TuTallixDriver()
{
    LedgerFixture::FillSource(folder_);
    folder_.Source(QString::fromUtf8(SourceDictionaries));
    folder_.Own(QStringLiteral("INSERT INTO dic_ttallix (unittype, tablename, tabletitle, indextable) VALUES "
                               "(1, 'Base01', '企业基本情况', 'dic_base01')"));
    previous_ =
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages_ << m.Text; });

    mother_ = std::make_unique<MotherForm>(folder_.Path());
    mother_->SetFactory(MotherForm::Analysis::TuTallix, [] { return new TuTallix; });
    mother_->show();
    window_ = qobject_cast<TuTallix*>(mother_->ShowAnalysis(MotherForm::Analysis::TuTallix));
    if (!window_)
        ADD_FAILURE() << "the menu entry made no TuTallix";
    QApplication::setActiveWindow(mother_.get());
    QCoreApplication::processEvents();
}

TuTallixDriver::~TuTallixDriver()
{
    mother_.reset();
    MessagePresenter::SetHandler(previous_);
}

void TuTallixDriver::Click(const char* name)
{
    if (auto* button = Find<QAbstractButton>(name))
        QTest::mouseClick(button, Qt::LeftButton);
}

void TuTallixDriver::Type(const char* name, const QString& text)
{
    auto* box = Find<QLineEdit>(name);
    if (!box)
        return;
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    bool latin = true;
    for (const QChar c : text)
        latin = latin && c.unicode() < 0x80;
    if (latin) {
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
    if (auto* button = Find<QAbstractButton>(option))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QStringList TuTallixDriver::TakeMessages()
{
    return std::exchange(messages_, {});
}

QStringList TuTallixDriver::GridRows(const char* name) const
{
    QStringList rows;
    const FlexGrid* grid = Find<FlexGrid>(name);
    if (!grid)
        return rows;
    for (int r = 1; r < grid->Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->Cols(); ++c)
            cells << grid->TextMatrix(r, c);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
}

void TuTallixDriver::SelectRow(const char* grid, int row)
{
    if (FlexGrid* g = Find<FlexGrid>(grid))
        g->SetRow(row);
}

void TuTallixDriver::ComposeItem(Table table, int subItemRow)
{
    if (!Find<QWidget>("Frame9")->isVisible())
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

void TuTallixDriver::AddRegions(const QStringList& keys)
{
    for (const QString& key : keys) {
        Type("txtRegionKey", key);
        Click("cmdAddnewRegion");
    }
}
