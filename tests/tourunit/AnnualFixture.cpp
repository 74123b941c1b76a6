#include "AnnualFixture.h"

#include "TempAppFolder.h"

#include <gtest/gtest.h>

void FillAnnualSource(const TempAppFolder& folder)
{
    folder.Source(QStringLiteral(
        "INSERT INTO Area VALUES ('430000', '湖南省'), ('430100', '长沙市'), ('430102', '芙蓉区'),"
        " ('430200', '株洲市'), ('440000', '广东省');"
        // travel agencies
        "INSERT INTO Base01 (code, unitname, regionalismcode, TravelAgencyType) VALUES"
        " ('A001', '国际社一', '430102', '1'), ('A002', '国内社一', '430103', '2'),"
        " ('A003', '其他社', '430201', '3'), ('A004', '去年社', '430104', '2'),"
        " ('A005', '粤国际社', '440101', '1');"
        "INSERT INTO Base04 (code, TableDate, FixAssetsInitialPrice, AccumulatedDepreciation,"
        " OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES"
        " ('A001', '2025-06-30', 100, 20, 500, 40, 10, 30), ('A001', '2025-12-31', 50, 5, 300, 20, 6, 10),"
        " ('A002', '2025-12-31', 80, 10, 240, 1, 2, 3), ('A002', '2024-12-31', 999, 99, 999, 99, 9, 99),"
        " ('A003', '2025-12-31', 70, 7, 100, 9, 1, 5), ('A004', '2024-12-31', 60, 6, 50, 5, 1, 2),"
        " ('A005', '2025-12-31', 30, 3, 90, 9, 3, 9);"
        // hotels: 110 and 5 domestic, 310, 230 and 12 foreign, 900 and NULL nowhere
        "INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType) VALUES"
        " ('B101', '内资店', '430102', '110'), ('B102', '外资店', '430105', '310'),"
        " ('B103', '港资店', '430202', '230'), ('B104', '未知店', '430102', '900'),"
        " ('B105', '组号内资店', '430103', '5'), ('B106', '组号外资店', '430203', '12'),"
        " ('B107', '无类型店', '430102', NULL);"
        "INSERT INTO Base06 (code, TableDate, FixAssetsInitialPrice, AccumulatedDepreciation, FixAssetsTotal,"
        " OperationIncome, ProfitTotal, OperationTaxAddition, YearendEmployment) VALUES"
        " ('B101', '2025-12-31', 1000, 200, 800, 3, 1, 0.5, 8),"
        " ('B102', '2025-03-31', 500, 50, 450, 100, -10, 4, 20),"
        " ('B102', '2025-09-30', 0, 0, 0, 60, 2, 1, 0), ('B103', '2025-12-31', 300, 30, 270, 90, 9, 3, 15),"
        " ('B104', '2025-12-31', 111, 11, 100, 11, 1, 1, 1),"
        " ('B105', '2025-12-31', 40, 4, 36, NULL, 2, 1, 4), ('B106', '2025-12-31', 60, 6, 54, 30, 3, 1, 6),"
        " ('B107', '2025-12-31', 5, 1, 4, 5, 1, 1, 1);"
        // scenic areas
        "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('C001', '景区一', '430102'),"
        " ('C002', '景区二', '430202'), ('C003', '去年景区', '430102');"
        "INSERT INTO Base08 (code, TableDate, fixcapitalorigin, OperationIncome, ProfitTotal,"
        " OperationTaxAddition, yearendemployee, VisitorNum, TicketIncome) VALUES"
        " ('C001', '2025-12-31', 200, 150, 30, 5, 25, 100000, 120),"
        " ('C002', '2025-12-31', 120, 60, 6, 2, 12, 5000, 50), ('C003', '2024-12-31', 77, 77, 7, 7, 7, 7, 7);"
        // other tourism enterprises
        "INSERT INTO Base01 (code, unitname, regionalismcode) VALUES ('E001', '车船公司', '430101'),"
        " ('E002', '索道公司', '430201');"
        "INSERT INTO Base09 (code, TableDate, fixcapitalorigin, OperationIncome, ProfitTotal,"
        " OperationTaxAddition, yearendemployee, VisitorNum, ServiceIncome) VALUES"
        " ('E001', '2025-05-31', 10, 20, 2, 1, 5, 0, 0), ('E001', '2025-11-30', 10, 30, 3, 1, 5, 0, 0),"
        " ('E002', '2025-12-31', 8, 16, 1, 0.5, 4, 0, 0)"));
}

QStringList AnnualRows(const TempAppFolder& folder, const QString& tableCode)
{
    const QString table = tableCode == QLatin1String("211D") ? QStringLiteral("type22")
                          : tableCode.size() == 4            ? QStringLiteral("type44")
                                                             : QStringLiteral("type66");
    return folder.OwnRows(
        QStringLiteral("SELECT * FROM %1 WHERE tablecode='%2' ORDER BY rowid").arg(table, tableCode));
}

void ExpectAnnualReference(const TempAppFolder& folder)
{
    for (const char* code :
         {"211", "211A", "211B", "211C", "211D", "212", "213", "214", "215", "216", "217", "218", "219"}) {
        bool exists = false;
        const QString reference =
            ReadTestFile(QStringLiteral("tourunit/reference/%1.tsv").arg(QLatin1String(code)), &exists);
        EXPECT_TRUE(exists) << "missing reference tourunit/reference/" << code << ".tsv";
        EXPECT_EQ(AnnualRows(folder, QLatin1String(code)), reference.split('\n', Qt::SkipEmptyParts))
            << "table " << code;
    }
}
