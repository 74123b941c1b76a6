// The audit as orvane-report runs it: one finding per line for the one enterprise that breaks
// each rule, nothing for the clean ones, the counts on standard error, the exit status; the
// thresholds of the own database; the own database of the previous schema brought up to date.
#include "AuditSource.h"
#include "AuditThresholds.h"
#include "Connection.h"
#include "DbConnection.h"
#include "StartUp.h"
#include "TempAppFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int status = -1;
    QStringList out;
    QString err;
};

Outcome Audit(const TempAppFolder& folder, const QString& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVANE_REPORT_EXE),
                  QStringList{"--app-dir", folder.Path(), "audit"} +
                      arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(AuditCommand, OneLinePerBrokenRuleAndNoneForTheClean)
{
    TempAppFolder folder;
    FillAuditSource(folder);
    const struct
    {
        const char* arguments;
        int status;
        QStringList lines;
        const char* counts; // a line of standard error
    } cases[] = {
        {"--year 2025 --month 12",
         0,
         {"B0101\t外省饭店\t439999\tR01\t地区码为空或不在 Area 中\tregionalismcode = 439999",
          "B0102\t无房饭店\t430102\tR02\t饭店没有可用的客房数\tRooms 为空",
          "B0103\t七星饭店\t430102\tR03\t星级或登记注册类型不在报表分组之内\tAccommodationStar = 7",
          "B0104\t无日期饭店\t430102\tR04\t没有开业日期\tOpenDate 为空",
          "B0201\t未报饭店\t430102\tM01\t登记的饭店没有本月月报\t2025-12 无月报",
          "B0202\t超满饭店\t430102\tM02\t出租率超过 100%\tRealRoomDay 3200 > CheckRoomDay 3100",
          "B0203\t多天饭店\t430102\tM03\t可出租间天数超过客房数×当月天数\tCheckRoomDay 3200 > Rooms 100 × 31 "
          "天",
          "B0204\t负数饭店\t430102\tM04\t月报的数值为负数\tOtherIncome = -5",
          "B0205\t万元饭店\t430102\tM05\t平均房价过低或过高（元与万元之误）\t平均房价 1 元（RoomIncome "
          "0.2，RealRoomDay 2000）",
          "B0206\t翻倍饭店\t430102\tM06\t国内过夜人数或客房收入比上月变化过半\tInTourist 1000 → 2000",
          "B0207\t空房饭店\t430102\tM07\t有客人无出租间天数，或有出租间天数无客房收入\t客人 1000 "
          "人次，RealRoomDay 0",
          "B0208\t两报饭店\t430102\tM08\t同一企业同一月份有两份报表\tBase05 2025-12 有 2 份"},
         "M08\t同一企业同一月份有两份报表\t1"},
        {"--year 2025 --region 4302",
         0,
         {"A0301\t未报旅行社\t430200\tA01\t登记的企业没有本年年报\t2025 年无年报",
          "A0302\t亏空旅行社\t430200\tA02\t利润总额大于营业收入\tProfitTotal 200 > OperationIncome 100",
          "A0303\t无人旅行社\t430200\tA03\t有营业收入而年末从业人员为零\tOperationIncome "
          "100，YearendEmployment 0",
          "A0304\t两报旅行社\t430200\tM08\t同一企业同一月份有两份报表\tBase04 2025-06 有 2 份"},
         "A01\t登记的企业没有本年年报\t1"},
        {"--year 2025 --month 12 --region 4302", 0, {}, "M01\t登记的饭店没有本月月报\t0"},
        {"--month 12", 2, {}, "年份不能为空"},
        {"--year 20x5", 2, {}, "请输入正确年份"},
        {"--year 2025 --month 13", 2, {}, "请输入正确月份"},
        {"--year 2025 --region 4399", 2, {}, "没有这个地区码"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome outcome = Audit(folder, QLatin1String(c.arguments));
        EXPECT_EQ(outcome.status, c.status) << outcome.err.toStdString();
        EXPECT_EQ(outcome.out, c.lines);
        EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(c.counts))) << outcome.err.toStdString();
    }
}

// The limits an office stores change what is found.
TEST(AuditCommand, ThresholdsOfTheOwnDatabase)
{
    TempAppFolder folder;
    FillAuditSource(folder);
    const struct
    {
        const char* rows;
        const char* rule;
        QStringList codes;
    } cases[] = {
        {"", "M05", {"B0205"}},
        {"('MinAveragePrice', 0.5)", "M05", {}},
        {"('MaxAveragePrice', 250)",
         "M05",
         {"B0001", "B0101", "B0102", "B0103", "B0104", "B0203", "B0204", "B0205", "B0206", "B0208"}},
        {"", "M06", {"B0206"}},
        {"('MonthlyChange', 1.5)", "M06", {}},
        {"('MonthlyChange', 0)", "M06", {"B0206"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        folder.Own(QStringLiteral("DELETE FROM AuditThreshold"));
        if (*c.rows)
            folder.Own(QStringLiteral("INSERT INTO AuditThreshold (Name, Value) VALUES ") +
                       QLatin1String(c.rows));
        QStringList codes;
        for (const QString& line : Audit(folder, QStringLiteral("--year 2025 --month 12")).out)
            if (line.section(QLatin1Char('\t'), 3, 3) == QLatin1String(c.rule) &&
                !codes.contains(line.section(QLatin1Char('\t'), 0, 0)))
                codes << line.section(QLatin1Char('\t'), 0, 0);
        EXPECT_EQ(codes, c.codes);
    }
}

// An own database of the schema before the audit gains its table at start-up and keeps its rows.
TEST(AuditThresholds, StartUpAddsTheTableToAnOlderOwnDatabase)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral("DROP TABLE AuditThreshold; INSERT INTO namesave VALUES ('湖南各市')"));
    StartUp(folder.Path()).Run();
    EXPECT_EQ(folder.OwnRows(QStringLiteral("SELECT savename FROM namesave")), QStringList{"湖南各市"});
    {
        DbConnection own;
        own.Open(Connection::BuildConnectionString(folder.OwnDatabase()));
        AuditThresholds limits;
        limits.MinAveragePrice = 0.5;
        limits.Save(own);
        EXPECT_EQ(AuditThresholds::Load(own).MinAveragePrice, 0.5);
        EXPECT_EQ(AuditThresholds::Load(own).MaxAveragePrice, 20000);
    }
    FillAuditSource(folder);
    const Outcome outcome = Audit(folder, QStringLiteral("--year 2025 --month 12"));
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("M05\t平均房价过低或过高（元与万元之误）\t0")))
        << outcome.err.toStdString();
}

} // namespace
