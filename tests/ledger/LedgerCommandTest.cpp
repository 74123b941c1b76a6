#include "LedgerCommand.h"
#include "CliError.h"
#include "DatabaseError.h"
#include "LedgerFixture.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

const QStringList Period = {QStringLiteral("--year"), QStringLiteral("2006"), QStringLiteral("--month"),
                            QStringLiteral("3")};

const QStringList AccommodationItems = {
    QStringLiteral("--item"), QStringLiteral("Base05:RoomIncome+RestaurantIncome:客房及餐饮收入"),
    QStringLiteral("--item"), QStringLiteral("Base05:InTourist"),
    QStringLiteral("--item"), QStringLiteral("Base06:OperationIncome:营业收入"),
    QStringLiteral("--item"), QStringLiteral("Base01:Rooms")};

QStringList Split(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class LedgerCommandRun : public testing::Test
{
protected:
    void SetUp() override { LedgerFixture::FillSource(folder); }

    // The text on standard output.
    QString Run(const QStringList& arguments)
    {
        QString text;
        QTextStream out(&text);
        EXPECT_EQ(LedgerCommand::Run(arguments, out), 0);
        return text;
    }

    // The message of refused input.
    QString Refusal(const QStringList& arguments)
    {
        QString text;
        QTextStream out(&text);
        try {
            LedgerCommand::Run(arguments, out);
        } catch (const CliError& e) {
            EXPECT_TRUE(text.isEmpty());
            return e.Message();
        }
        return QStringLiteral("<accepted>");
    }

    // The values of the rows after "合计", first column only.
    QStringList FirstValues()
    {
        QStringList values;
        for (const QString& row : LedgerFixture::LedgerRows(folder).mid(1))
            values << row.section(QLatin1Char('\t'), 1, 1);
        return values;
    }

    TempAppFolder folder;
};

TEST_F(LedgerCommandRun, ByRegionWritesTheWindowsLedger)
{
    EXPECT_EQ(Run(Period +
                  Split("--unit accommodation --mode cumulative-comparison --region 43 --region 4301 "
                        "--region 430200") +
                  AccommodationItems),
              QStringLiteral("计算完成！\n"));
    const QString difference = LedgerFixture::CompareWithReference(
        LedgerFixture::LedgerRows(folder), QStringLiteral("region_cumulative_comparison.tsv"));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

TEST_F(LedgerCommandRun, ByEnterpriseWritesTheWindowsLedger)
{
    Run(Period +
        Split("--mode cumulative-comparison --enterprise B1001 --enterprise B1002 --enterprise B2001 "
              "--enterprise B1003") +
        AccommodationItems);
    const QString difference = LedgerFixture::CompareWithReference(
        LedgerFixture::LedgerRows(folder), QStringLiteral("enterprise_cumulative_comparison.tsv"));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

TEST_F(LedgerCommandRun, EveryEnterpriseOfARegionInTheRegistersOrder)
{
    Run(Period + Split("--enterprise A0001 --enterprises-of 4302 --item Base01:Rooms"));
    QStringList names;
    for (const QString& row : LedgerFixture::LedgerRows(folder))
        names << row.section(QLatin1Char('\t'), 0, 1);
    EXPECT_EQ(names, (QStringList{QStringLiteral("合计\t340"), QStringLiteral("湖南国际旅行社\t0"),
                                  QStringLiteral("株洲招待所\t40"), QStringLiteral("株洲大酒店\t300")}));
}

TEST_F(LedgerCommandRun, SubBoxesAsNamedOrAsTheWindowTicksThem)
{
    const QStringList agencies =
        Period + Split("--unit agency --region 430000 --item Base04:OrganizePersons");
    Run(agencies);
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("240")});
    Run(agencies + Split("--international"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("90")});
    Run(agencies + Split("--domestic"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("150")});
    Run(agencies + Split("--domestic --international"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("240")});

    const QStringList rooms = Period + Split("--region 430000 --item Base01:Rooms");
    Run(rooms);
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("660")});
    Run(rooms + Split("--hotels"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("620")});
    Run(rooms + Split("--other-accommodation"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("40")});
    Run(rooms + Split("--unit other"));
    EXPECT_EQ(FirstValues(), QStringList{QStringLiteral("10")});
}

TEST_F(LedgerCommandRun, WithoutRowsOnlyTheTotalIsWritten)
{
    Run(Period);
    EXPECT_EQ(LedgerFixture::LedgerRows(folder), QStringList{QStringLiteral("合计\t\t\t\t\t\t\t\t\t<null>")});
}

struct RefusalCase
{
    const char* arguments;
    const char* message;
};

class LedgerCommandRefusal : public LedgerCommandRun, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(LedgerCommandRefusal, ShowsTheWindowsMessageAndComputesNothing)
{
    folder.Own(QStringLiteral("INSERT INTO type22 (value1) VALUES ('before')"));
    EXPECT_EQ(Refusal(Split(GetParam().arguments)), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(LedgerFixture::LedgerRows(folder).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LedgerCommandRefusal,
    testing::Values(
        RefusalCase{"--month 3 --region 43", "年月不能为空"},
        RefusalCase{"--year 2006 --region 43", "年月不能为空"},
        RefusalCase{"--year 3006 --month 3", "请输入正确年份"},
        RefusalCase{"--year 206 --month 3", "请输入正确年份"},
        RefusalCase{"--year 2006 --month 13", "请输入正确月份"},
        RefusalCase{"--year 2006 --month 0", "请输入正确月份"},
        RefusalCase{"--year 2006 --month 1a", "请输入正确月份"},
        RefusalCase{"--year 2006 --month 3 --region 45", "没有这个地区码"},
        RefusalCase{"--year 2006 --month 3 --region 4x", "请输入正确数据！"},
        RefusalCase{"--year 2006 --month 3 --enterprise B9999", "没有这个企业码"},
        RefusalCase{"--year 2006 --month 3 --enterprises-of 45", "没有这个地区码"},
        RefusalCase{"--year 2006 --month 3 --region 43 --enterprise B1001",
                    "--region 不能与 --enterprise、--enterprises-of 同时使用"},
        RefusalCase{"--year 2006 --month 3 --unit hotel",
                    "--unit 应为 accommodation、agency、scenic 或 other"},
        RefusalCase{"--year 2006 --month 3 --mode yearly",
                    "--mode 应为 current、cumulative、same-period 或 cumulative-comparison"},
        RefusalCase{"--year 2006 --month 3 --item Base05", "--item 应为 TABLE:FIELDS[:CAPTION]：Base05"},
        RefusalCase{"--year 2006 --month 3 --item Base05:a;b",
                    "--item 应为 TABLE:FIELDS[:CAPTION]：Base05:a;b"},
        RefusalCase{"--year 2006 --month 3 --item B:a --item B:a --item B:a --item B:a --item B:a --item B:a "
                    "--item B:a --item B:a --item B:a",
                    "因最多只处理8项，所以建议先删除一部分再添加"}));

TEST_F(LedgerCommandRun, ADatabaseFailureStopsBeforeAnythingIsWritten)
{
    folder.Own(QStringLiteral("INSERT INTO type22 (value1) VALUES ('before')"));
    QString text;
    QTextStream out(&text);
    EXPECT_THROW(LedgerCommand::Run(Period + Split("--region 43 --region 4301 --item Base05:Nope"), out),
                 DatabaseError);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(LedgerFixture::LedgerRows(folder),
              QStringList{QStringLiteral(
                  "before\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>\t<null>")});
}

} // namespace
