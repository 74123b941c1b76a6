#include "HotelWindowHarness.h"

#include "FlexGrid.h"
#include "MessagePresenter.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

HotelWindowTest::HotelWindowTest()
{
    MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
    folder.Source(QStringLiteral(R"(
INSERT INTO Area (Areacode, Areaname) VALUES ('430000', '湖南省');
INSERT INTO Area (Areacode, Areaname) VALUES ('430100', '长沙市');
INSERT INTO Area (Areacode, Areaname) VALUES ('430102', '芙蓉区');
INSERT INTO Area (Areacode, Areaname) VALUES ('430200', '株洲市');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1001', '芙蓉宾馆', '430102', '110', 300, 500, '1', '5', '2000-01-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1002', '长沙饭店', '430100', '170', 120, 200, '1', '3', '2008-06-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2003', '株洲酒店', '430200', '150', 200, 350, '2', '4', '2012-03-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1004', '炎陵旅社', '430200', '110', 60, 100, '1', '2', '2018-09-01');
INSERT INTO Base05 (code, TableDate, RealRoomDay, CheckRoomDay, RoomIncome, RestaurantIncome, OtherIncome) VALUES ('B1001', '2025-12-01', 6000, 9000, 10, 5, 1);
INSERT INTO Base05 (code, TableDate, RealRoomDay, CheckRoomDay, RoomIncome, RestaurantIncome, OtherIncome) VALUES ('B1002', '2025-12-01', 2000, 3600, 3, 1, 0.5);
INSERT INTO Base05 (code, TableDate, RealRoomDay, CheckRoomDay, RoomIncome, RestaurantIncome, OtherIncome) VALUES ('B2003', '2025-12-01', 4500, 6000, 6, 2, 1);
INSERT INTO Base05 (code, TableDate, RealRoomDay, CheckRoomDay, RoomIncome, RestaurantIncome, OtherIncome) VALUES ('B1004', '2025-12-01', 900, 1800, 1, 0.5, 0);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1001', '2025-12-31', 3000, 2500, 16, 2, 0.8, 100);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1002', '2025-12-31', 800, 600, 4.5, 0.3, 0.2, 30);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2003', '2025-12-31', 1500, 1200, 9, 1, 0.5, 60);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1004', '2025-12-31', 200, 150, 1.5, 0.1, 0.1, 12)
)"));
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
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    }
    // Keys for what a keyboard has; Chinese characters arrive from the input method.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(edit, &commit);
        }
    }
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

void HotelWindowTest::AddRegion(const QString& key)
{
    Type(QStringLiteral("txtRegionKey"), key);
    Click(QStringLiteral("cmdAddnewRegion"));
}

void HotelWindowTest::ChooseRange(const QString& combo, int item)
{
    auto* c = Control<QComboBox>(combo);
    ASSERT_NE(c, nullptr);
    c->setFocus();
    c->setCurrentIndex(item);
}

QStringList HotelWindowTest::GridRows()
{
    const FlexGrid* grid = Window().FlexGrid;
    QStringList rows;
    for (int r = 1; r < grid->Rows(); ++r)
        rows << grid->TextMatrix(r, 0) + QLatin1Char('\t') + grid->TextMatrix(r, 1);
    return rows;
}
