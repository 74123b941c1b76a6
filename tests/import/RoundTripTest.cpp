// The test sources of the three analyses, written out as the collection system's folder and
// imported in place of the source database: every reference report comes out unchanged.
#include "AnnualCommand.h"
#include "AnnualFixture.h"
#include "CollectionFolder.h"
#include "CollectionImport.h"
#include "HotelCommand.h"
#include "HotelFixture.h"
#include "LedgerCommand.h"
#include "LedgerFixture.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// Replaces the folder's source database by its own round trip through the collection format.
void RoundTrip(const TempAppFolder& folder)
{
    QTemporaryDir work;
    const QString collection = QDir(work.path()).filePath(QStringLiteral("collection"));
    CollectionFolder::Export(folder.SourceDatabase(), collection);
    CollectionImport import(folder.Path());
    import.Run(collection);
    ASSERT_FALSE(import.Kept().isEmpty());
}

int Command(int (*command)(const QStringList&, QTextStream&), const QString& arguments)
{
    QString text;
    QTextStream out(&text);
    return command(arguments.split(QLatin1Char('|')), out);
}

TEST(RoundTrip, HotelReports)
{
    TempAppFolder folder;
    LoadHotelFixture(folder);
    RoundTrip(folder);
    for (const auto& [name, options] : HotelReferenceRuns()) {
        EXPECT_EQ(Command(&HotelCommand::Run, QStringLiteral("--year|2025|--month|12|") + QLatin1String(options)), 0);
        ExpectReference(QStringLiteral("hotel/reference/%1.txt").arg(QLatin1String(name)), ResultTables(folder));
    }
}

TEST(RoundTrip, AnnualReports)
{
    TempAppFolder folder;
    FillAnnualSource(folder);
    RoundTrip(folder);
    EXPECT_EQ(Command(&AnnualCommand::Run, QStringLiteral("--year|2025|--region|43|--region|4301|--region|430102|--region|44")), 0);
    ExpectAnnualReference(folder);
}

TEST(RoundTrip, Ledgers)
{
    TempAppFolder folder;
    LedgerFixture::FillSource(folder);
    RoundTrip(folder);
    const QString items = QStringLiteral("|--item|Base05:RoomIncome+RestaurantIncome|--item|Base05:InTourist"
                                         "|--item|Base06:OperationIncome|--item|Base01:Rooms");
    const QString regions = QStringLiteral("|--region|43|--region|4301|--region|430200");
    const std::pair<const char*, QString> runs[] = {
        {"region_current.tsv", "current" + regions},
        {"region_cumulative.tsv", "cumulative" + regions},
        {"region_same_period.tsv", "same-period" + regions},
        {"region_cumulative_comparison.tsv", "cumulative-comparison" + regions},
        {"enterprise_cumulative_comparison.tsv",
         "cumulative-comparison|--enterprise|B1001|--enterprise|B1002|--enterprise|B2001|--enterprise|B1003"}};
    for (const auto& [reference, options] : runs) {
        EXPECT_EQ(Command(&LedgerCommand::Run, QStringLiteral("--year|2006|--month|3|--unit|accommodation|--mode|") +
                                               options + items),
                  0);
        LedgerFixture::ExpectReference(folder, reference);
    }
}

} // namespace
