#include "SampleGenerator.h"

#include "DatabaseError.h"
#include "DbConnection.h"
#include "SamplePrefecture.h"
#include "Schema.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

namespace {

// One prepared insert per table; counts what it wrote.
class Sink
{
public:
    explicit Sink(QSqlDatabase db) : db_(std::move(db)) {}

    int Declare(const QString& table, const QStringList& columns)
    {
        Target target{table, std::make_unique<QSqlQuery>(db_), 0};
        const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(',');
        const QString sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(','), marks);
        if (!target.query->prepare(sql))
            throw DatabaseError(sql, target.query->lastError().text());
        targets_.push_back(std::move(target));
        return static_cast<int>(targets_.size()) - 1;
    }

    void Insert(int table, const QVariantList& values)
    {
        QSqlQuery& query = *targets_[table].query;
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(static_cast<int>(i), values[i]);
        if (!query.exec())
            throw DatabaseError(query.lastQuery(), query.lastError().text());
        ++targets_[table].rows;
    }

    std::vector<SampleGenerator::TableCount> Counts() const
    {
        std::vector<SampleGenerator::TableCount> counts;
        for (const Target& t : targets_)
            counts.push_back({t.name, t.rows});
        return counts;
    }

private:
    struct Target
    {
        QString name;
        std::unique_ptr<QSqlQuery> query;
        long long rows;
    };
    QSqlDatabase db_;
    std::vector<Target> targets_;
};

// ---- the ledger's item dictionaries ----

struct Item
{
    const char* content;
    const char* fieldname;
};
constexpr Item kDicBase04[] = {{"固定资产原价（万元）", "FixAssetsInitialPrice"},
                               {"营业收入（万元）", "OperationIncome"},
                               {"利润总额（万元）", "ProfitTotal"},
                               {"营业税金及附加（万元）", "OperationTaxAddition"},
                               {"利税总额（万元）", "ProfitTotal+OperationTaxAddition"},
                               {"年末从业人员（人）", "YearendEmployment"},
                               {"组织团数（个）", "OrganizeGroups"},
                               {"组织人次", "OrganizePersons"},
                               {"接待人次", "ReceptionPersons"},
                               {"接待人天数", "ReceptionDays"}};
constexpr Item kDicBase05[] = {{"国内过夜游客（人次）", "InTourist"},
                               {"国内游客人天数", "InTouristDay"},
                               {"港澳台游客（人次）", "HKer+Macaoer+TWer"},
                               {"外国游客人天数", "ForeignDay"},
                               {"客房收入（万元）", "RoomIncome"},
                               {"餐饮收入（万元）", "RestaurantIncome"},
                               {"其他收入（万元）", "OtherIncome"},
                               {"营业收入合计（万元）", "RoomIncome+RestaurantIncome+OtherIncome"},
                               {"实际出租间天数", "RealRoomDay"},
                               {"可供出租间天数", "CheckRoomDay"}};
constexpr Item kDicBase06[] = {{"固定资产原价（万元）", "FixAssetsInitialPrice"},
                               {"累计折旧（万元）", "AccumulatedDepreciation"},
                               {"固定资产合计（万元）", "FixAssetsTotal"},
                               {"营业收入（万元）", "OperationIncome"},
                               {"利润总额（万元）", "ProfitTotal"},
                               {"营业税金及附加（万元）", "OperationTaxAddition"},
                               {"利税总额（万元）", "ProfitTotal+OperationTaxAddition"},
                               {"年末从业人员（人）", "YearendEmployment"}};
constexpr Item kDicBase08[] = {{"固定资产原值（万元）", "fixcapitalorigin"},
                               {"营业收入（万元）", "OperationIncome"},
                               {"门票收入（万元）", "TicketIncome"},
                               {"利润总额（万元）", "ProfitTotal"},
                               {"营业税金及附加（万元）", "OperationTaxAddition"},
                               {"利税总额（万元）", "ProfitTotal+OperationTaxAddition"},
                               {"年末从业人员（人）", "yearendemployee"},
                               {"接待游客（人次）", "VisitorNum"}};
constexpr Item kDicBase09[] = {{"固定资产原值（万元）", "fixcapitalorigin"},
                               {"营业收入（万元）", "OperationIncome"},
                               {"服务收入（万元）", "ServiceIncome"},
                               {"利润总额（万元）", "ProfitTotal"},
                               {"营业税金及附加（万元）", "OperationTaxAddition"},
                               {"利税总额（万元）", "ProfitTotal+OperationTaxAddition"},
                               {"年末从业人员（人）", "yearendemployee"},
                               {"接待人次", "VisitorNum"}};

void WriteDictionaries(Sink& sink)
{
    const std::pair<const char*, std::span<const Item>> dictionaries[] = {{"dic_base04", kDicBase04},
                                                                          {"dic_base05", kDicBase05},
                                                                          {"dic_base06", kDicBase06},
                                                                          {"dic_base08", kDicBase08},
                                                                          {"dic_base09", kDicBase09}};
    for (const auto& [table, items] : dictionaries) {
        const int id = sink.Declare(QString::fromLatin1(table),
                                    {QStringLiteral("content"), QStringLiteral("fieldname")});
        for (const Item& item : items)
            sink.Insert(id, {QString::fromUtf8(item.content), QString::fromLatin1(item.fieldname)});
    }
}

// Each prefecture's share of a total, at least `minimum`; the capital weighs double.
std::vector<int> Shares(int total, const std::vector<int>& weights, int minimum)
{
    long long sum = 0;
    for (int w : weights)
        sum += w;
    std::vector<int> shares;
    if (sum == 0)
        return shares;
    long long given = 0;
    for (int w : weights) {
        shares.push_back(static_cast<int>(total * static_cast<long long>(w) / sum));
        given += shares.back();
    }
    for (std::size_t i = 0; given < total; i = (i + 1) % shares.size(), ++given)
        ++shares[i];
    for (int& s : shares)
        s = std::max(s, minimum);
    return shares;
}

} // namespace

SampleGenerator::SampleGenerator(Config config) : config_(std::move(config)) {}

void SampleGenerator::Write(const QString& path)
{
    Schema::CreateDatabase(path, {Schema::SourceDatabaseScript()});
    {
        DbConnection connection;
        connection.Open(path);
        Sink sink(connection.Database());
        const int area =
            sink.Declare(QStringLiteral("Area"), {QStringLiteral("Areacode"), QStringLiteral("Areaname")});
        int tables[std::size(SamplePrefecture::Tables)];
        for (SamplePrefecture::Table table : SamplePrefecture::Tables)
            tables[table] =
                sink.Declare(SamplePrefecture::TableName(table), SamplePrefecture::Columns(table));
        const auto insert = [&](SamplePrefecture::Table table, const QVariantList& values) {
            sink.Insert(tables[table], values);
        };

        std::vector<std::pair<const Prefecture*, bool>> prefectures; // with the capital mark
        std::vector<int> weights;
        for (const Province& province : config_.Provinces)
            for (std::size_t i = 0; i < province.Prefectures.size(); ++i) {
                prefectures.emplace_back(&province.Prefectures[i], i == 0);
                weights.push_back(i == 0 ? 2 : 1);
            }
        const std::vector<int> hotels = Shares(config_.Hotels, weights, 3);
        const std::vector<int> lodgings = Shares(config_.OtherAccommodation, weights, 1);
        const std::vector<int> agencies = Shares(config_.TravelAgencies, weights, 2);
        const std::vector<int> scenic = Shares(config_.ScenicAreas, weights, 2);
        const std::vector<int> others = Shares(config_.OtherEnterprises, weights, 2);

        connection.Execute(QStringLiteral("BEGIN"));
        try {
            for (const Province& province : config_.Provinces) {
                sink.Insert(area, {province.Code, province.Name});
                for (const Prefecture& p : province.Prefectures) {
                    sink.Insert(area, {p.Code, p.Name});
                    for (const County& county : p.Counties)
                        sink.Insert(area, {county.Code, county.Name});
                }
            }
            SamplePrefecture::Sequence sequence;
            for (std::size_t i = 0; i < prefectures.size(); ++i) {
                const std::uint32_t seed = config_.Seed ^ (0x9E3779B9u * static_cast<std::uint32_t>(i + 1));
                SamplePrefecture(*prefectures[i].first, prefectures[i].second, config_.FirstYear,
                                 config_.FirstYear + config_.YearCount - 1, seed, insert)
                    .Write({hotels[i], lodgings[i], agencies[i], scenic[i], others[i]}, sequence);
            }
            WriteDictionaries(sink);
            connection.Execute(QStringLiteral("COMMIT"));
        } catch (...) {
            connection.Execute(QStringLiteral("ROLLBACK"));
            throw;
        }
        counts_ = sink.Counts();
    }
    DbConnection::ReleasePooled(QFileInfo(path).absolutePath());
}

SampleGenerator::Config SampleGenerator::Hunan()
{
    // Prefecture first, then its county-level divisions, as "code name" separated by "|".
    static const char* const divisions[] = {
        "430100 长沙市|430102 芙蓉区|430103 天心区|430104 岳麓区|430105 开福区|430111 雨花区|430112 望城区|"
        "430121 长沙县|430181 浏阳市|430182 宁乡市",
        "430200 株洲市|430202 荷塘区|430203 芦淞区|430204 石峰区|430211 天元区|430212 渌口区|430223 攸县|"
        "430224 茶陵县|430225 炎陵县|430281 醴陵市",
        "430300 湘潭市|430302 雨湖区|430304 岳塘区|430321 湘潭县|430381 湘乡市|430382 韶山市",
        "430400 衡阳市|430405 珠晖区|430406 雁峰区|430407 石鼓区|430408 蒸湘区|430412 南岳区|430421 衡阳县|"
        "430422 衡南县|430423 衡山县|430424 衡东县|430426 祁东县|430481 耒阳市|430482 常宁市",
        "430500 邵阳市|430502 双清区|430503 大祥区|430511 北塔区|430522 新邵县|430523 邵阳县|430524 隆回县|"
        "430525 洞口县|430527 绥宁县|430528 新宁县|430529 城步苗族自治县|430581 武冈市|430582 邵东市",
        "430600 岳阳市|430602 岳阳楼区|430603 云溪区|430611 君山区|430621 岳阳县|430623 华容县|430624 湘阴县|"
        "430626 平江县|430681 汨罗市|430682 临湘市",
        "430700 常德市|430702 武陵区|430703 鼎城区|430721 安乡县|430722 汉寿县|430723 澧县|430724 临澧县|"
        "430725 桃源县|430726 石门县|430781 津市市",
        "430800 张家界市|430802 永定区|430811 武陵源区|430821 慈利县|430822 桑植县",
        "430900 益阳市|430902 资阳区|430903 赫山区|430921 南县|430922 桃江县|430923 安化县|430981 沅江市",
        "431000 郴州市|431002 北湖区|431003 苏仙区|431021 桂阳县|431022 宜章县|431023 永兴县|431024 嘉禾县|"
        "431025 临武县|431026 汝城县|431027 桂东县|431028 安仁县|431081 资兴市",
        "431100 永州市|431102 零陵区|431103 冷水滩区|431122 东安县|431123 双牌县|431124 道县|431125 江永县|"
        "431126 宁远县|431127 蓝山县|431128 新田县|431129 江华瑶族自治县|431181 祁阳市",
        "431200 怀化市|431202 鹤城区|431221 中方县|431222 沅陵县|431223 辰溪县|431224 溆浦县|431225 会同县|"
        "431226 麻阳苗族自治县|431227 新晃侗族自治县|431228 芷江侗族自治县|431229 靖州苗族侗族自治县|"
        "431230 通道侗族自治县|431281 洪江市",
        "431300 娄底市|431302 娄星区|431321 双峰县|431322 新化县|431381 冷水江市|431382 涟源市",
        "433100 湘西土家族苗族自治州|433101 吉首市|433122 泸溪县|433123 凤凰县|433124 花垣县|433125 保靖县|"
        "433126 古丈县|433127 永顺县|433130 龙山县",
    };
    Province hunan{QStringLiteral("430000"), QStringLiteral("湖南省"), {}};
    for (const char* line : divisions) {
        const QStringList entries = QString::fromUtf8(line).split('|');
        Prefecture prefecture{entries[0].left(6), entries[0].mid(7), {}};
        for (qsizetype i = 1; i < entries.size(); ++i)
            prefecture.Counties.push_back({entries[i].left(6), entries[i].mid(7)});
        hunan.Prefectures.push_back(std::move(prefecture));
    }
    Config config;
    config.Provinces.push_back(std::move(hunan));
    return config;
}
