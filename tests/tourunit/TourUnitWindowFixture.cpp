#include "TourUnitWindowFixture.h"

#include "AnnualFixture.h"
#include "MessagePresenter.h"
#include "tableprint.h"

#include <QApplication>
#include <QTest>

void TourUnitWindowTest::SetUp()
{
    MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
    FillAnnualSource(folder);
}

void TourUnitWindowTest::TearDown()
{
    tableprint::Shared()->close();
    window_.reset();
    MessagePresenter::SetHandler({});
}

TourUnit& TourUnitWindowTest::Window()
{
    if (!window_) {
        window_ = std::make_unique<TourUnit>();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QCoreApplication::processEvents();
    }
    return *window_;
}

void TourUnitWindowTest::Type(const QString& box, const QString& text)
{
    QLineEdit* edit = Box(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // Chinese text comes from an input method, not from key presses.
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

void TourUnitWindowTest::Click(const QString& button)
{
    QTest::mouseClick(Control<QAbstractButton>(button), Qt::LeftButton);
}

void TourUnitWindowTest::AddRegion(const QString& key)
{
    Type(QStringLiteral("txtRegionKey"), key);
    Click(QStringLiteral("cmdAddnewRegion"));
}

QStringList TourUnitWindowTest::GridRows(const QString& grid)
{
    FlexGrid* g = Grid(grid);
    QStringList rows;
    for (int r = 1; r < g->Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < g->Cols(); ++c)
            cells << g->TextMatrix(r, c);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
}

QStringList TourUnitWindowTest::ResultRows(const QString& tableCode) const
{
    // Columns a table has beyond the ones the report writes stay NULL.
    QStringList rows = AnnualRows(folder, tableCode);
    for (QString& row : rows)
        row.remove(QStringLiteral("\t<null>"));
    return rows;
}
