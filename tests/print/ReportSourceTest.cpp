#include "ReportDocument.h"
#include "ReportSource.h"
#include "PdfText.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>

namespace {

struct Binding
{
    const char* code;
    const char* layout;
    const char* dataQuery;
    const char* headingPrefix;
    int headings;
    const char* table;     // where the test puts the report's rows
    const char* tablecode; // "" for the ledger
};

void PrintTo(const Binding& b, std::ostream* os)
{
    *os << b.code;
}

class ReportBinding : public ::testing::TestWithParam<Binding>
{
};

TEST_P(ReportBinding, ChoosesLayoutQueriesAndHeadingObjects)
{
    const Binding& b = GetParam();
    const QString code = QString::fromUtf8(b.code);
    const ReportSource::Entry* entry = ReportSource::Find(code);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Layout, QString::fromUtf8(b.layout));
    EXPECT_EQ(entry->DataQuery, QString::fromUtf8(b.dataQuery));
    QStringList objects;
    for (int k = 1; k <= b.headings; ++k)
        objects << QString::fromUtf8(b.headingPrefix) + QString::number(k);
    EXPECT_EQ(entry->Headings, objects);
    if (entry->IsLedger()) {
        EXPECT_TRUE(entry->TitleQuery.isEmpty());
        return;
    }
    const QString order = code == QLatin1String("2-1-2") ? QStringLiteral(" order by \"order\"") : QString();
    EXPECT_EQ(entry->HeadingQuery, "select * from dic_fields where TableCode='" + code + "'" + order);
    EXPECT_EQ(entry->TitleQuery, "select * from dic_tablename where TableCode='" + code + "'");
}

TEST_P(ReportBinding, LoadsItsRowsTitleAndHeadingsFromTheOwnDatabase)
{
    const Binding& b = GetParam();
    const QString code = QString::fromUtf8(b.code);
    const QString table = QString::fromUtf8(b.table);
    TempAppFolder folder;
    InsertRows(folder, table, QString::fromUtf8(b.tablecode), {{"合计", "7"}, {"长沙市", "3"}});
    InsertRows(folder, table, QStringLiteral("9_9"), {{"别的报表", "1"}});

    const auto document = ReportSource::Load({code, QStringLiteral("台帐标题"), {"甲", "乙", "丙"}});
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->Layout().Name(), QString::fromUtf8(b.layout));
    ASSERT_EQ(document->Rows().size(), 2);
    EXPECT_EQ(document->Rows()[0][0], QStringLiteral("合计"));
    const ReportSource::Entry* entry = ReportSource::Find(code);
    // The ledger's comparison modes show the stored ratio in percent.
    EXPECT_EQ(document->Rows()[1][1], entry->IsComparison() ? QStringLiteral("300.00") : QStringLiteral("3"));

    QStringList expected;
    if (entry->IsLedger()) {
        EXPECT_EQ(document->Title(), QStringLiteral("台帐标题"));
        expected = QStringList{"甲", "乙", "丙", "", "", "", "", ""};
    } else {
        const QStringList titles =
            folder.OwnRows("select tablename from dic_tablename where TableCode='" + code + "'");
        ASSERT_EQ(titles.size(), 1);
        EXPECT_EQ(document->Title(), titles[0]);
        const QString order =
            code == QLatin1String("2-1-2") ? QStringLiteral(" order by \"order\"") : QString();
        expected = folder.OwnRows("select content from dic_fields where TableCode='" + code + "'" + order);
        ASSERT_EQ(expected.size(), b.headings) << "dictionary rows of " << b.code;
    }
    for (int k = 0; k < entry->Headings.size(); ++k)
        EXPECT_EQ(document->Text(entry->Headings[k]), expected[k]) << entry->Headings[k].toStdString();
    // Objects the report does not name keep what the layout stores.
    for (const auto& object : document->Layout().TextObjects()) {
        if (object.Name != QLatin1String("title") && !entry->Headings.contains(object.Name)) {
            EXPECT_EQ(document->Text(object.Name), object.StoredText) << object.Name.toStdString();
        }
    }
}

const Binding Bindings[] = {
    {"1-1", "CrystalReport1", "select * from type11 where TableCode='1_1'", "h", 8, "type11", "1_1"},
    {"1-2", "CrystalReport2", "select * from type22 where tablecode = '1_2'", "h", 8, "type22", "1_2"},
    {"1-3", "CrystalReport2", "select * from type22 where tablecode = '1_3'", "h", 12, "type22", "1_3"},
    {"1-4", "CrystalReport2", "select * from type22 where tablecode = '1_4'", "h", 7, "type22", "1_4"},
    {"1-5", "CrystalReport2", "select * from type22 where tablecode = '1_5'", "h", 8, "type22", "1_5"},
    {"1-6", "CrystalReport3", "select * from type33 where tablecode = '1_6'", "h", 7, "type33", "1_6"},
    {"1-7", "CrystalReport3", "select * from type33 where tablecode = '1_7'", "h", 7, "type33", "1_7"},
    {"1-8", "CrystalReport5", "select * from type55 where tablecode = '1_8'", "h", 10, "type55", "1_8"},
    {"1-9", "CrystalReport6", "select * from type66 where tablecode = '1_9'", "h", 10, "type66", "1_9"},
    {"1-10", "CrystalReport2", "select * from type22 where tablecode = '1_10'", "h", 6, "type22", "1_10"},
    {"2-1-1", "CrystalReport7", "select * from type66 where tablecode = '211' ", "item", 13, "type66", "211"},
    {"2-1-2", "CrystalReport7", "select * from type66 where tablecode = '212'", "item", 13, "type66", "212"},
    {"2-1-3", "CrystalReport7", "select * from type66 where tablecode = '213'", "item", 13, "type66", "213"},
    {"2-1-4", "CrystalReport7", "select * from type66 where tablecode = '214'", "item", 13, "type66", "214"},
    {"2-1-5", "CrystalReport7", "select * from type66 where tablecode = '215'", "item", 13, "type66", "215"},
    {"2-1-6", "CrystalReport7", "select * from type66 where tablecode = '216'", "item", 13, "type66", "216"},
    {"2-1-7", "CrystalReport7", "select * from type66 where tablecode = '217'", "item", 13, "type66", "217"},
    {"2-1-8", "CrystalReport7", "select * from type66 where tablecode = '218'", "item", 13, "type66", "218"},
    {"2-1-9", "CrystalReport7", "select * from type66 where tablecode = '219'", "item", 13, "type66", "219"},
    {"2-1-1A", "CrystalReport4", " select * from type44 where Tablecode = '211A'", "h", 9, "type44", "211A"},
    {"2-1-1B", "CrystalReport4", "select * from type44 where Tablecode = '211B'", "h", 9, "type44", "211B"},
    {"2-1-1C", "CrystalReport4", "select * from type44 where Tablecode = '211C'", "h", 9, "type44", "211C"},
    {"2-1-1D", "CrystalReport1", "select * from type22 where Tablecode = '211D'", "h", 6, "type22", "211D"},
    {"3_1", "CrystalReport1", "select * from type22 where tablecode is null or tablecode = ''", "h", 8,
     "type22", ""},
    {"3_2", "CrystalReport1", "select * from type22 where tablecode is null or tablecode = ''", "h", 8,
     "type22", ""},
    {"3_3", "CrystalReport1", "select * from type22 where tablecode is null or tablecode = ''", "h", 8,
     "type22", ""},
    {"3_4", "CrystalReport1", "select * from type22 where tablecode is null or tablecode = ''", "h", 8,
     "type22", ""},
};

INSTANTIATE_TEST_SUITE_P(EveryCode, ReportBinding, ::testing::ValuesIn(Bindings), [](const auto& info) {
    std::string name = info.param.code;
    for (char& c : name)
        if (c == '-')
            c = '_';
    return "r" + name;
});

TEST(ReportSource, EveryCodeIsCovered)
{
    EXPECT_EQ(ReportSource::Entries().size(), std::size(Bindings));
}

TEST(ReportSource, HeadingsOf212FollowTheOrderColumnAndOthersTheStoredOrder)
{
    TempAppFolder folder;
    // 1-2's headings stored backwards by "order": they must still come in stored order.
    folder.Own(QStringLiteral("DELETE FROM dic_fields WHERE TableCode='1-2';"
                              "INSERT INTO dic_fields VALUES ('1-2', '第一', 2);"
                              "INSERT INTO dic_fields VALUES ('1-2', '第二', 1)"));
    const auto annual = ReportSource::Load({QStringLiteral("2-1-2"), {}, {}});
    ASSERT_NE(annual, nullptr);
    EXPECT_EQ(annual->Text("item1"), QStringLiteral("地区"));
    EXPECT_EQ(annual->Text("item2"), QStringLiteral("固定资产原值（万元）"));
    EXPECT_EQ(annual->Text("item7"), QStringLiteral("营业利润率（%）"));
    EXPECT_EQ(annual->Text("item13"), QStringLiteral("企业数（个）"));
    const auto hotel = ReportSource::Load({QStringLiteral("1-2"), {}, {}});
    EXPECT_EQ(hotel->Text("h1"), QStringLiteral("第一"));
    EXPECT_EQ(hotel->Text("h2"), QStringLiteral("第二"));
}

TEST(ReportSource, CodesMatchExactly)
{
    TempAppFolder folder;
    for (const char* code : {"1-1 ", "1_1", " 1-1", "2-1-1a", "3-1", "3_5", "", "211"}) {
        EXPECT_EQ(ReportSource::Find(QString::fromUtf8(code)), nullptr) << code;
        EXPECT_EQ(ReportSource::Load({QString::fromUtf8(code), {}, {}}), nullptr) << code;
    }
}

TEST(ReportSource, MissingDictionaryRowsLeaveTheStoredTexts)
{
    TempAppFolder folder;
    folder.Own(QStringLiteral("DELETE FROM dic_fields WHERE TableCode='2-1-1A' AND \"order\" > 7;"
                              "DELETE FROM dic_tablename WHERE TableCode='2-1-1A'"));
    const auto document = ReportSource::Load({QStringLiteral("2-1-1A"), {}, {}});
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->Title(), document->Layout().StoredText("title"));
    EXPECT_FALSE(document->Title().isEmpty());
    EXPECT_EQ(document->Text("h7"), QStringLiteral("旅游饭店小计"));
    EXPECT_EQ(document->Text("h8"), document->Layout().StoredText("h8"));
    EXPECT_EQ(document->HeadingText(0), QStringLiteral("地区")); // the layout's own heading of the names
}

TEST(ReportSource, LedgerReadsOnlyTheLedgerRows)
{
    TempAppFolder folder;
    InsertRows(folder, "type22", "1_2", {{"合计", "12"}, {"长沙市", "12"}});
    InsertRows(folder, "type22", "", {{"合计", "5"}, {"华天大酒店", "5"}});
    folder.Own(
        QStringLiteral("INSERT INTO type22 (value1, value2, tablecode) VALUES ('通程大酒店', '0', '')"));
    const auto document = ReportSource::Load({QStringLiteral("3_1"), QStringLiteral("台帐"), {}});
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(document->Rows().size(), 3);
    EXPECT_EQ(document->Rows()[1][0], QStringLiteral("华天大酒店"));
    EXPECT_EQ(document->Rows()[2][0], QStringLiteral("通程大酒店"));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(document->Text(QStringLiteral("h%1").arg(k)), QString());
}

TEST(ReportSourcePercent, ComparisonRatiosPrintAsPercentWithTwoDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0.112026813031888", "11.20"}, {"-0.25", "-25.00"}, {"0", "0.00"},   {"-0.00001", "0.00"},
        {"1.5E-06", "0.00"},            {"2", "200.00"},     {"合计", "合计"}, {"", ""}};
    for (const auto& [stored, printed] : cases)
        EXPECT_EQ(ReportSource::Percent(QString::fromUtf8(stored)), QString::fromUtf8(printed)) << stored;
}

TEST(ReportDocumentNumber, ReadsTheWritersNumberFormOnly)
{
    const std::pair<const char*, bool> cases[] = {
        {"12", true},  {" 1.5E-06 ", true}, {"-0.25", true}, {"+3", true},    {"5.", true},   {".5", true},
        {".", false},  {"", false},         {"1e", false},   {"1,000", false}, {"合计", false}, {"1.2.3", false},
        {"- 1", false}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(ReportDocument::IsNumber(QString::fromUtf8(text)), number) << text;
}

} // namespace
