#include "HotelFixture.h"

#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

void LoadHotelFixture(const TempAppFolder& folder)
{
    folder.Source(QStringLiteral(R"(
INSERT INTO Area (Areacode, Areaname) VALUES ('430000', '湖南省');
INSERT INTO Area (Areacode, Areaname) VALUES ('430100', '长沙市');
INSERT INTO Area (Areacode, Areaname) VALUES ('430102', '芙蓉区');
INSERT INTO Area (Areacode, Areaname) VALUES ('430103', '天心区');
INSERT INTO Area (Areacode, Areaname) VALUES ('430121', '长沙县');
INSERT INTO Area (Areacode, Areaname) VALUES ('430200', 'Zhuzhou''s 市');
INSERT INTO Area (Areacode, Areaname) VALUES ('440000', '广东省');
INSERT INTO Area (Areacode, Areaname) VALUES ('440100', '广州市');

INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1001', '芙蓉宾馆', '430102', '110', 520, 900, '1', '5', '1998-05-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1002', '湘江饭店', '430102', '120', 310, 600, '1', '4', '2003-03-15');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2003', '橘洲酒店', '430102', '130', 250, 380, '2', '3', '2010-08-08');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1004', '天心大酒店', '430103', '140', 150, 260, '1', '2', '2015-01-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B3005', '天心旅馆', '430103', '150', 99, 150, '3', '1', '2018-06-30');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B4006', '市直招待所', '430100', '160', 0, 0, '4', '0', '1990-01-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B9007', '星沙客栈', '430121', '170', 100, 180, '9', '0', '2020-10-01');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1008', '长沙县宾馆', '430121', '190', 200, 320, '1', '3', '2005-05-05');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1009', '松雅湖酒店', '430121', '210', 300, 500, '1', '4', '2012-12-12');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1010', '黄花机场酒店', '430121', '220', 499, 800, '1', '5', '2008-08-08');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1011', '株洲宾馆', '430202', '230', 500, 850, '1', '3', '1995-09-09');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1012', '炎帝酒店', '430202', '240', NULL, 300, '1', '2', '2001-04-04');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1013', '神农大酒店', '430203', '310', 120, 200, '1', '7', '2011-11-11');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1014', '湘水饭店', '430203', '320', 80, 120, '1', '1', '2016-06-16');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2015', '枫林山庄', '430211', '330', 60, 100, '2', '0', '2019-09-19');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2016', '荷塘客舍', '430211', '340', 45, 70, '2', '0', '2021-02-21');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2017', '芦淞旅社', '430211', '180', 30, 50, '2', '0', '2017-07-17');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B2018', '石峰招待所', '430211', '250', 20, 30, '2', '0', '2014-04-14');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1019', '白云宾馆', '440103', '110', 200, 350, '1', '4', '2000-01-20');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B5020', '越秀公寓', '440103', '110', 40, 60, '5', '0', '2013-03-13');
INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, Rooms, Beds, UnitType, AccommodationStar, OpenDate) VALUES ('B1021', '橘子洲头宾馆', '430102', '110', 150, 240, '1', '3', '2009-09-09');

INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1001', '2025-12-01', 3000, 6000, 100, 200, 50, 80, 150, 300, 900, 200, 300, 12.5, 8.25, 1.25, 12000, 15600);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1002', '2025-12-01', 2000, 3000, 0, 0, 0, 0, 20, 40, 120, 30, 10, 13.5, 6.4, 2.1, 8000, 9300);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B2003', '2025-12-01', 1500, 2500, 10, 20, 0, 0, 0, 0, 0, 0, 0, 4.75, 2.5, 0.5, 6000, 7750);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1004', '2025-12-01', 900, 1400, 0, 0, 0, 0, 5, 10, 0, 0, 0, 2.6, 1.2, 0.2, 3000, 4650);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B3005', '2025-12-01', 400, 600, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.9, 0.3, 0.1, 1500, 3069);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B4006', '2025-12-01', 50, 60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0, 0, 0);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B9007', '2025-12-01', 700, 900, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.5, 0.4, 0.1, 2000, 3100);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1008', '2025-12-01', 1200, 1800, 40, 90, 0, 0, 0, 0, 30, 15, 5, 3.5, 1.5, 0.5, 4000, 6200);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1009', '2025-12-01', 2200, 3300, 60, 120, 30, 60, 90, 180, 250, 40, 60, 7.5, 3.5, 1, 6500, 9300);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, Korea, Mongolia, Indonesia, Malaysia, Philippines, Singapore, Thailand, India, Vietnam, Burma, NKorea, Pakistan, OAs, Britain, France, Germany, Italy, Swiss, Sweden, Russia, Spain, OEu, USA, Canada, OAm, Australia, NewZealand, OO, Africa, Other, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1010', '2025-12-01', 2500, 4000, 31, 62, 0, 0, 0, 0, 1000, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 11, 5, 2, 11000.5, 15469);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1011', '2025-12-01', 2600, 3900, 0, 0, 0, 0, 100, 200, 150, 50, 20, 9.25, 4.75, 1.5, 10000, 15500);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1012', '2025-12-01', 800, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0.5, 2500, 3100);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1013', '2025-12-01', 600, 900, 0, 0, 0, 0, 0, 0, 300, 100, 50, 3, 1.2, 0.3, 2800, 3720);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1014', '2025-12-01', 300, 450, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.7, 0.2, 0.1, 1200, 2480);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B2015', '2025-12-01', 200, 350, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.4, 0.1, 900, 1860);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B2016', '2025-12-01', 150, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.3, 0.1, 0, 600, 1395);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B2017', '2025-12-01', 100, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.2, 0.05, 0, 400, 930);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B2018', '2025-12-01', 80, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.15, 0.05, 0, 300, 620);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1019', '2025-12-01', 1800, 2600, 0, 0, 40, 70, 300, 500, 200, 60, 90, 6, 3, 1, 5000, 6200);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B5020', '2025-12-01', 100, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.4, 0.1, 0, 500, 1240);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1001', '2025-11-01', 2800, 5500, 90, 180, 40, 70, 140, 280, 800, 180, 250, 11.5, 7.5, 1, 11000, 15000);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1001', '2024-12-01', 2700, 5200, 80, 160, 30, 60, 120, 240, 700, 150, 220, 10.5, 7, 1, 10500, 15600);
INSERT INTO Base05 (code, TableDate, InTourist, InTouristDay, TWer, TWerDay, Macaoer, MacaoerDay, HKer, HkerDay, ForeignDay, Japan, USA, RoomIncome, RestaurantIncome, OtherIncome, RealRoomDay, CheckRoomDay) VALUES ('B1021', '2025-11-01', 900, 1300, 0, 0, 0, 0, 10, 20, 0, 5, 5, 2.5, 1, 0.2, 3200, 4500);

INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1001', '2025-12-31', 5000, 4200, 22, 3.5, 1.2, 200);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1002', '2025-12-31', 3000, 2500, 22, -1.5, 0.8, 100.5);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2003', '2025-12-31', 1200, 1000, 7.75, 0.5, 0.3, 60);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1004', '2025-12-31', 600, 500, 4, 0.2, 0.1, 40);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B3005', '2025-12-31', 150, 120, 1.3, 0.05, 0.04, 15);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B4006', '2025-12-31', 20, 10, 0.5, -0.1, 0.02, 8);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B9007', '2025-12-31', 90, 80, 2, 0.3, 0.06, 12);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1008', '2025-12-31', 800, 700, 5.5, 0.4, 0.2, 50);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1009', '2025-11-30', 2000, 1800, 12, 0.9, 0.6, 120);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1011', '2025-12-31', 4000, 3300, 16, 1.2, 0.9, 180);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1012', '2025-12-31', 500, 400, 3.5, 0.1, 0.1, 30);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1013', '2025-12-31', 700, 600, 4.5, 0.6, 0.2, 35);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1014', '2025-12-31', 100, 80, 1, 0.05, 0.03, 10);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2015', '2025-12-31', 80, 70, 1, -0.2, 0.02, 9);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2016', '2025-12-31', 40, 35, 0.4, 0.02, 0.01, 6);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2017', '2025-12-31', 20, 15, 0.25, 0.01, 0.01, 4);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B2018', '2025-12-31', 15, 10, 0.2, 0, 0.005, 3);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1019', '2025-12-31', 1500, 1300, 10, 0.8, 0.5, 70);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B5020', '2025-12-31', 30, 25, 0.5, 0.02, 0.02, 5);
INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, FixAssetsTotal, OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES ('B1001', '2025-11-30', 4900, 4150, 20, 3, 1.1, 198);
)"));
}

std::vector<std::pair<const char*, const char*>> HotelReferenceRuns()
{
    // clang-format off
    return {
        // The window's initial state over a province, a prefecture, a county, the region with an
        // apostrophe in its name, and a second province; typed as short numbers where the window allows.
        {"all_hotels", "--region|43|--region|4301|--region|430102|--region|430200|--region|44"},
        // Conditions that go into the query.
        {"query_conditions", "--regtype|110,120,130,210,220,230,240,310|--star|3,4,5|--category|B1,B2|"
                             "--rooms|100:499|--open-year|2000:|--fixed-assets|:4000|--income|5:|--profit|:3|"
                             "--region|430000|--region|430200|--region|440100"},
        // Conditions tested per hotel after reading it; a region given twice counts twice.
        {"hotel_tests", "--occupancy|70:90|--reception|1000:|--income-per|:0.2|--profit-per|0:|"
                        "--region|4301|--region|430121|--region|44|--region|4301"}};
    // clang-format on
}

QString ResultTables(const TempAppFolder& folder)
{
    QString text;
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"}) {
        const QString sql = QStringLiteral("select * from ") + QLatin1String(table);
        text += QStringLiteral("## ") + sql + QLatin1Char('\n');
        for (const QString& row : folder.OwnRows(sql))
            text += row + QLatin1Char('\n');
    }
    return text;
}

void ExpectReference(const QString& relative, const QString& actual)
{
    bool exists = false;
    const QString expected = ReadTestFile(relative, &exists);
    if (exists && expected == actual)
        return;
    const QString keep = QDir::temp().filePath(QStringLiteral("orvane-reference/") + relative);
    QDir().mkpath(QFileInfo(keep).path());
    QFile file(keep);
    if (file.open(QIODevice::WriteOnly))
        file.write(actual.toUtf8());
    EXPECT_TRUE(exists) << "missing reference tests/" << relative.toStdString();
    EXPECT_EQ(actual.toStdString(), expected.toStdString())
        << "tests/" << relative.toStdString() << "; the actual rows are in " << keep.toStdString();
}
