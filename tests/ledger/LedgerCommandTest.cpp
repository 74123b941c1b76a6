#include "LedgerCommand.h"
#include "CliError.h"
#include "DatabaseError.h"
#include "LedgerFixture.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

QStringList Args(const QString& text)
{
    return (QStringLiteral("--year 2006 --month 3 ") + text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The text on standard output of a run that succeeds.
QString Succeed(const QString& arguments)
{
    QString text;
    QTextStream out(&text);
    EXPECT_EQ(LedgerCommand::Run(Args(arguments), out), 0);
    return text;
}

// Name and first value of every row.
QStringList FirstValues(const TempAppFolder& folder)
{
    QStringList values;
    for (const QString& row : LedgerFixture::LedgerRows(folder))
        values << row.section(QLatin1Char('\t'), 0, 1);
    return values;
}

TEST(LedgerCommand, RunsTheWindowsLedger)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    const QString items =
        " --mode cumulative-comparison --item Base05:RoomIncome+RestaurantIncome:客房及餐饮收入 "
        "--item Base05:InTourist --item Base06:OperationIncome:营业收入 --item Base01:Rooms";
    EXPECT_EQ(Succeed("--unit accommodation --region 43 --region 4301 --region 430200" + items),
              "计算完成！\n");
    LedgerFixture::ExpectReference(folder, "region_cumulative_comparison.tsv");
    Succeed("--enterprise B1001 --enterprise B1002 --enterprise B2001 --enterprise B1003" + items);
    LedgerFixture::ExpectReference(folder, "enterprise_cumulative_comparison.tsv");

    // every enterprise of a region in the register's order
    Succeed("--enterprise A0001 --enterprises-of 4302 --item Base01:Rooms");
    EXPECT_EQ(FirstValues(folder),
              (QStringList{"合计\t340", "湖南国际旅行社\t0", "株洲招待所\t40", "株洲大酒店\t300"}));
    // a region's enterprises are those of the unit type: no agency or scenic area of 长沙市
    Succeed("--enterprises-of 4301 --item Base01:Rooms");
    EXPECT_EQ(FirstValues(folder), (QStringList{"合计\t320", "芙蓉宾馆\t200", "湘江饭店\t120"}));

    // without rows the ledger is its total alone
    Succeed("");
    EXPECT_EQ(LedgerFixture::LedgerRows(folder), QStringList{LedgerFixture::EmptyTotal});
}

// The sub-boxes named are ticked and the others not; with none named the window's initial ticks.
TEST(LedgerCommand, SubBoxesAsNamedOrAsTheWindowTicksThem)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    const std::pair<const char*, const char*> runs[] = {
        {"--unit agency --item Base04:OrganizePersons", "240"},
        {"--unit agency --item Base04:OrganizePersons --international", "90"},
        {"--unit agency --item Base04:OrganizePersons --domestic", "150"},
        {"--unit agency --item Base04:OrganizePersons --domestic --international", "240"},
        {"--item Base01:Rooms", "660"},
        {"--item Base01:Rooms --hotels", "620"},
        {"--item Base01:Rooms --other-accommodation", "40"},
        {"--item Base01:Rooms --unit other", "10"}};
    for (const auto& [arguments, value] : runs) {
        Succeed(QStringLiteral("--region 430000 ") + QString::fromUtf8(arguments));
        EXPECT_EQ(FirstValues(folder).value(1), QStringLiteral("湖南省\t") + QLatin1String(value))
            << arguments;
    }
}

// The window's message, nothing on standard output, nothing computed. The rules behind the
// messages are the window's, proved there.
TEST(LedgerCommand, RefusedInputComputesNothing)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    folder.Own("INSERT INTO type22 (value1) VALUES ('before')");
    const std::pair<const char*, const char*> refusals[] = {
        // clang-format off
        {"--month 3 --region 43", "年月不能为空"},
        {"--year 2006 --region 43", "年月不能为空"},
        {"--year 3006 --month 3", "请输入正确年份"},
        {"--year 2006 --month 13", "请输入正确月份"},
        {"--year 2006 --month 3 --region 45", "没有这个地区码"},
        {"--year 2006 --month 3 --region 4x", "请输入正确数据！"},
        {"--year 2006 --month 3 --enterprise B9999", "没有这个企业码"},
        {"--year 2006 --month 3 --enterprises-of 45", "没有这个地区码"},
        {"--year 2006 --month 3 --unit scenic --enterprises-of 4302", "该地区没有“旅游景区”类的企业"},
        {"--year 2006 --month 3 --region 43 --enterprise B1001", "--region 不能与 --enterprise、--enterprises-of 同时使用"},
        {"--year 2006 --month 3 --unit hotel", "--unit 应为 accommodation、agency、scenic 或 other"},
        {"--year 2006 --month 3 --mode yearly", "--mode 应为 current、cumulative、same-period 或 cumulative-comparison"},
        {"--year 2006 --month 3 --item Base05", "--item 应为 TABLE:FIELDS[:CAPTION]：Base05"},
        {"--year 2006 --month 3 --item Base05:a;b", "--item 应为 TABLE:FIELDS[:CAPTION]：Base05:a;b"},
        {"--year 2006 --month 3 --item B:a --item B:a --item B:a --item B:a --item B:a --item B:a --item B:a "
         "--item B:a --item B:a", "因最多只处理8项，所以建议先删除一部分再添加"}};
    // clang-format on
    for (const auto& [arguments, message] : refusals) {
        QString text;
        QTextStream out(&text);
        QString refusal = QStringLiteral("<accepted>");
        try {
            LedgerCommand::Run(QString::fromUtf8(arguments).split(QLatin1Char(' ')), out);
        } catch (const CliError& e) {
            refusal = e.Message();
        }
        EXPECT_EQ(refusal, QString::fromUtf8(message)) << arguments;
        EXPECT_TRUE(text.isEmpty()) << arguments;
        EXPECT_EQ(LedgerFixture::LedgerRows(folder).size(), 1) << arguments;
    }
}

TEST(LedgerCommand, ADatabaseFailureStopsBeforeAnythingIsWritten)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    folder.Own("INSERT INTO type22 (value1) VALUES ('before')");
    QString text;
    QTextStream out(&text);
    EXPECT_THROW(LedgerCommand::Run(Args("--region 43 --region 4301 --item Base05:Nope"), out),
                 DatabaseError);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(LedgerFixture::LedgerRows(folder),
              QStringList{"before" + QStringLiteral("\t<null>").repeated(9)});
}

} // namespace
