#include "AuditSource.h"

#include "TempAppFolder.h"

#include <QStringList>

void FillAuditSource(const TempAppFolder& folder)
{
    folder.Source(QStringLiteral("INSERT INTO Area VALUES ('430000', '湖南省'), ('430100', '长沙市'), "
                                 "('430102', '芙蓉区'), ('430200', '株洲市');"
                                 "INSERT INTO Base01 (code, unitname, regionalismcode, RegistrationType, "
                                 "Rooms, AccommodationStar, OpenDate) VALUES"
                                 " ('B0001', '清白饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0101', '外省饭店', '439999', '110', 100, '3', '2000-01-01'),"
                                 " ('B0102', '无房饭店', '430102', '120', NULL, '2', '2000-01-01'),"
                                 " ('B0103', '七星饭店', '430102', '130', 100, '7', '2000-01-01'),"
                                 " ('B0104', '无日期饭店', '430102', '150', 100, '0', NULL),"
                                 " ('B0201', '未报饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0202', '超满饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0203', '多天饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0204', '负数饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0205', '万元饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0206', '翻倍饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0207', '空房饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('B0208', '两报饭店', '430102', '110', 100, '3', '2000-01-01'),"
                                 " ('A0001', '清白旅行社', '430200', '110', NULL, NULL, NULL),"
                                 " ('A0301', '未报旅行社', '430200', '110', NULL, NULL, NULL),"
                                 " ('A0302', '亏空旅行社', '430200', '110', NULL, NULL, NULL),"
                                 " ('A0303', '无人旅行社', '430200', '110', NULL, NULL, NULL),"
                                 " ('A0304', '两报旅行社', '430200', '110', NULL, NULL, NULL);"));
    // December's returns, clean but for each hotel's one fault; the clean hotel's date as a
    // date-time
    const QString clean = QStringLiteral("1000, 2000, 3000, 60, 10, 5");
    QStringList rows;
    for (const char* code : {"B0101", "B0102", "B0103", "B0104", "B0204", "B0208", "B0208"})
        rows << QStringLiteral("('%1', '2025-12-31', %2)").arg(QLatin1String(code), clean);
    rows << QStringLiteral("('B0001', '2025-12-31 17:13:05', %1)").arg(clean)
         << QStringLiteral("('B0001', '2025-11-30 09:00:00', %1)").arg(clean)
         << QStringLiteral("('B0202', '2025-12-31', 1000, 3200, 3100, 60, 10, 5)")
         << QStringLiteral("('B0203', '2025-12-31', 1000, 2000, 3200, 60, 10, 5)")
         << QStringLiteral("('B0205', '2025-12-31', 1000, 2000, 3000, 0.2, 10, 5)")
         << QStringLiteral("('B0206', '2025-11-30', 1000, 2000, 3000, 60, 10, 5)")
         << QStringLiteral("('B0206', '2025-12-31', 2000, 2000, 3000, 60, 10, 5)")
         << QStringLiteral("('B0207', '2025-12-31', 1000, 0, 3000, 60, 10, 5)");
    folder.Source(
        QStringLiteral(
            "INSERT INTO Base05 (code, TableDate, InTourist, RealRoomDay, CheckRoomDay, RoomIncome,"
            " RestaurantIncome, OtherIncome) VALUES ") +
        rows.join(QStringLiteral(", ")) +
        QStringLiteral(
            ";UPDATE Base05 SET OtherIncome = -5 WHERE code = 'B0204';"
            "INSERT INTO Base04 (code, TableDate, OperationIncome, ProfitTotal, YearendEmployment) VALUES"
            " ('A0001', '2025-12-31 10:00:00', 100, 10, 5), ('A0302', '2025-12-31', 100, 200, 5),"
            " ('A0303', '2025-12-31', 100, 10, 0), ('A0304', '2025-06-30', 50, 5, 5),"
            " ('A0304', '2025-06-01', 50, 5, 5), ('A0001', '2024-12-31', 100, 10, 5)"));
}
