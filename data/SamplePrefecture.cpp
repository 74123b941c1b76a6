#include "SamplePrefecture.h"

#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {

// Own arithmetic on the engine's raw output: the std:: distributions may change between
// library versions, the mt19937 sequence may not. Only exact operations (no pow, no log)
// touch the numbers, so every platform writes the same rows.
class Random
{
public:
    explicit Random(std::mt19937& engine) : engine_(engine) {}
    double Unit() { return engine_() / 4294967296.0; }
    double Real(double low, double high) { return low + (high - low) * Unit(); }
    bool Chance(double p) { return Unit() < p; }
    int Int(int low, int high)
    {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>((static_cast<std::uint64_t>(engine_()) * span) >> 32);
    }

private:
    std::mt19937& engine_;
};

struct Weighted
{
    const char* value;
    int weight;
};

int PickIndex(Random& r, std::span<const Weighted> table)
{
    int total = 0;
    for (const Weighted& w : table)
        total += w.weight;
    int x = r.Int(0, total - 1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        x -= table[i].weight;
        if (x < 0)
            return static_cast<int>(i);
    }
    return static_cast<int>(table.size()) - 1;
}

QString Pick(Random& r, std::span<const Weighted> table)
{
    return QString::fromUtf8(table[PickIndex(r, table)].value);
}

long long Whole(double v)
{
    return static_cast<long long>(std::floor(v + 0.5));
}
double Money(double v)
{
    return std::floor(v * 100.0 + 0.5) / 100.0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

QString Date(int year, int month, int day)
{
    return QString::asprintf("%04d-%02d-%02d", year, month, day);
}
QString MonthEnd(int year, int month)
{
    return Date(year, month, DaysInMonth(year, month));
}

// ---- what the rows are made of ----

// All sixteen registration codes the hotel reports group by, then two they do not.
constexpr const char* kCoverageRegistration[] = {"110", "120", "130", "140", "150", "160",
                                                 "170", "190", "210", "220", "230", "240",
                                                 "310", "320", "330", "340", "180", "200"};
constexpr int kCoverageHotels = static_cast<int>(std::size(kCoverageRegistration));
constexpr Weighted kHotelRegistration[] = {{"110", 10}, {"120", 3},  {"130", 2}, {"140", 1}, {"150", 22},
                                           {"160", 8},  {"170", 30}, {"190", 4}, {"210", 2}, {"220", 1},
                                           {"230", 2},  {"240", 1},  {"310", 3}, {"320", 2}, {"330", 1},
                                           {"340", 1},  {"180", 1},  {"200", 1}};
constexpr Weighted kForeignFunded[] = {{"210", 3}, {"220", 1}, {"230", 2}, {"240", 1},
                                       {"310", 3}, {"320", 2}, {"330", 1}, {"340", 1}};
constexpr Weighted kLodgingRegistration[] = {{"170", 50}, {"190", 15}, {"150", 20}, {"120", 5},
                                             {"110", 5},  {"180", 2},  {"200", 3}};
constexpr Weighted kAgencyRegistration[] = {{"150", 45}, {"170", 35}, {"110", 10}, {"160", 7}, {"310", 3}};
constexpr Weighted kScenicRegistration[] = {{"110", 35}, {"150", 30}, {"160", 10},
                                            {"170", 15}, {"190", 5},  {"120", 5}};
constexpr Weighted kOtherRegistration[] = {{"150", 40}, {"170", 40}, {"110", 10}, {"160", 5}, {"190", 5}};

constexpr const char* kStarCycle[] = {"5", "4", "3", "2", "1", "0", "7"};
constexpr Weighted kStars[] = {{"0", 40}, {"1", 3}, {"2", 12}, {"3", 25}, {"4", 13}, {"5", 5}, {"7", 2}};
// Rooms of the first hotels, one per size band of the hotel reports.
constexpr std::pair<int, int> kRoomBands[] = {{500, 720}, {300, 499}, {200, 299}, {100, 199}, {20, 99}};

constexpr Weighted kLodgingHeads[] = {{"B2", 40}, {"B3", 30}, {"B4", 15}, {"B9", 15}};
constexpr Weighted kAgencyTypes[] = {{"1", 14}, {"2", 82}, {"3", 4}};
constexpr Weighted kOtherHeads[] = {{"E", 50}, {"F", 50}};
constexpr Weighted kUnitTypes[] = {{"企业", 88}, {"事业", 4}, {"其他", 3}, {"", 5}};

struct Profile
{
    int roomsLow, roomsHigh;
    double priceLow, priceHigh; // average room rate, yuan
    double occupancyLow, occupancyHigh;
    double food;                // restaurant income per room income
    double assetLow, assetHigh; // fixed assets per room, 万元
    double staff;               // employees per room
    double inbound;             // share of guest nights from outside the mainland
};
constexpr Profile kStarProfiles[] = {
    {12, 160, 90, 220, 0.40, 0.65, 0.15, 3, 9, 0.30, 0.004},    // unrated
    {15, 70, 100, 160, 0.40, 0.60, 0.15, 4, 8, 0.35, 0.004},    // one star
    {30, 130, 140, 220, 0.45, 0.65, 0.25, 6, 12, 0.45, 0.008},  // two
    {80, 280, 200, 340, 0.50, 0.70, 0.45, 12, 30, 0.60, 0.020}, // three
    {150, 460, 330, 560, 0.55, 0.75, 0.70, 30, 60, 0.90, 0.040},
    {260, 760, 560, 950, 0.55, 0.78, 0.90, 60, 110, 1.20, 0.080},
};
constexpr Profile kLodgingProfile = {8, 90, 60, 180, 0.35, 0.60, 0.05, 2, 6, 0.25, 0.002};

// Hunan: quiet winters, the summer holidays and the October golden week.
constexpr double kSeason[] = {0.75, 0.85, 0.85, 0.95, 1.05, 0.95, 1.15, 1.20, 0.95, 1.10, 0.90, 0.85};

// Foreign guests by the country columns of Base05, in column order.
constexpr const char* kCountries[] = {
    "Japan",   "Korea",   "Mongolia",  "Indonesia",  "Malaysia", "Philippines", "Singapore", "Thailand",
    "India",   "Vietnam", "Burma",     "NKorea",     "Pakistan", "OAs",         "Britain",   "France",
    "Germany", "Italy",   "Swiss",     "Sweden",     "Russia",   "Spain",       "OEu",       "USA",
    "Canada",  "OAm",     "Australia", "NewZealand", "OO",       "Africa",      "Other"};
constexpr Weighted kCountryWeights[] = {
    {"", 8}, {"", 20}, {"", 1}, {"", 2}, {"", 5}, {"", 2}, {"", 4}, {"", 4}, {"", 2}, {"", 3}, {"", 1},
    {"", 0}, {"", 1},  {"", 2}, {"", 4}, {"", 3}, {"", 4}, {"", 2}, {"", 1}, {"", 1}, {"", 3}, {"", 1},
    {"", 3}, {"", 10}, {"", 3}, {"", 1}, {"", 3}, {"", 1}, {"", 1}, {"", 1}, {"", 1}};
constexpr int kCountryCount = static_cast<int>(std::size(kCountries));
static_assert(std::size(kCountryWeights) == std::size(kCountries));

constexpr const char* kBrandWords[] = {
    "金穗", "银河", "湘江", "芙蓉",   "星辰", "锦绣", "华美", "瑞丰", "鑫源", "恒通", "嘉华", "佳和",
    "宏达", "天成", "富华", "新世纪", "东方", "明珠", "金色", "绿洲", "碧水", "青山", "阳光", "春晖",
    "迎宾", "友谊", "和平", "凯旋",   "盛世", "隆鑫", "福满", "吉祥", "永泰", "润泽", "景程", "万和",
    "四季", "晨曦", "雅居", "悦来",   "同心", "兴旺", "紫荆", "翠湖", "云天", "金桂", "银杏", "潇湘"};
constexpr int kBrandCount = static_cast<int>(std::size(kBrandWords));
constexpr const char* kScenicWords[] = {"桃花溪", "白云洞", "青龙峡", "云雾山", "飞龙湖", "仙人谷", "紫霞岭",
                                        "卧龙潭", "古樟园", "翠竹林", "金鸡岩", "天池",   "神女峰", "梅花洞",
                                        "九曲河", "清风峡", "石门寨", "凤鸣谷", "玉笋峰", "千佛岩"};
constexpr const char* kScenicSuffixes[] = {"风景区", "旅游区", "森林公园", "生态旅游区", "古镇景区"};

QString LodgingSuffix(Random& r, const QString& head, const QString& star)
{
    static const QHash<QString, QStringList> suffixes = {
        {QStringLiteral("B1high"),
         {QStringLiteral("大酒店"), QStringLiteral("国际大酒店"), QStringLiteral("酒店")}},
        {QStringLiteral("B1"),
         {QStringLiteral("宾馆"), QStringLiteral("酒店"), QStringLiteral("大酒店"), QStringLiteral("饭店")}},
        {QStringLiteral("B2"),
         {QStringLiteral("宾馆"), QStringLiteral("招待所"), QStringLiteral("商务宾馆")}},
        {QStringLiteral("B3"), {QStringLiteral("旅馆"), QStringLiteral("旅社"), QStringLiteral("客栈")}},
        {QStringLiteral("B4"), {QStringLiteral("度假村"), QStringLiteral("山庄"), QStringLiteral("民宿")}},
        {QStringLiteral("B9"),
         {QStringLiteral("青年旅舍"), QStringLiteral("公寓酒店"), QStringLiteral("农家乐")}},
    };
    const bool high =
        head == QLatin1String("B1") && (star == QLatin1String("4") || star == QLatin1String("5"));
    const QStringList& list = suffixes[high ? QStringLiteral("B1high") : head];
    return list[r.Int(0, static_cast<int>(list.size()) - 1)];
}

// "芙蓉区" -> "芙蓉", "城步苗族自治县" -> "城步"; a one-character stem keeps its suffix ("南县").
QString ShortName(const QString& name)
{
    QString stem = name.left(name.size() - 1);
    for (const char* people : {"苗族", "侗族", "瑶族", "土家族", "自治"}) {
        const qsizetype at = stem.indexOf(QString::fromUtf8(people));
        if (at > 0)
            stem = stem.left(at);
    }
    return stem.size() < 2 ? name : stem;
}

QVariant Text(const QString& s)
{
    return s.isEmpty() ? QVariant() : QVariant(s);
}
QVariant OrNull(bool isNull, const QVariant& v)
{
    return isNull ? QVariant() : v;
}

void SplitForeign(Random& r, long long foreign, std::array<long long, kCountryCount>& out)
{
    out.fill(0);
    long long given = 0;
    for (int i = 0; i < kCountryCount; ++i) {
        out[i] = foreign * kCountryWeights[i].weight / 100;
        given += out[i];
    }
    for (; given < foreign; ++given)
        ++out[PickIndex(r, kCountryWeights)];
}

} // namespace

QString SamplePrefecture::TableName(Table table)
{
    static const char* const names[] = {"Base01", "Base04", "Base05", "Base06", "Base08", "Base09"};
    return QString::fromLatin1(names[table]);
}

QStringList SamplePrefecture::Columns(Table table)
{
    static const QString yearly =
        QStringLiteral("code,TableDate,fixcapitalorigin,OperationIncome,ProfitTotal,"
                       "OperationTaxAddition,yearendemployee,VisitorNum,");
    switch (table) {
    case Base01:
        return QStringLiteral(
                   "code,unitname,regionalismcode,RegistrationType,TravelAgencyType,Rooms,Beds,UnitType,"
                   "AccommodationStar,OpenDate")
            .split(',');
    case Base04:
        return QStringLiteral(
                   "code,TableDate,FixAssetsInitialPrice,AccumulatedDepreciation,OperationIncome,"
                   "ProfitTotal,OperationTaxAddition,YearendEmployment,OrganizeGroups,OrganizePersons,"
                   "ReceptionPersons,ReceptionDays")
            .split(',');
    case Base05: {
        QStringList columns = QStringLiteral("code,TableDate,InTourist,InTouristDay,TWer,TWerDay,Macaoer,"
                                             "MacaoerDay,HKer,HkerDay,ForeignDay")
                                  .split(',');
        for (const char* country : kCountries)
            columns << QString::fromLatin1(country);
        return columns +
               QStringLiteral("RoomIncome,RestaurantIncome,OtherIncome,RealRoomDay,CheckRoomDay").split(',');
    }
    case Base06:
        return QStringLiteral("code,TableDate,FixAssetsInitialPrice,AccumulatedDepreciation,FixAssetsTotal,"
                              "OperationIncome,ProfitTotal,OperationTaxAddition,YearendEmployment")
            .split(',');
    case Base08:
        return (yearly + QStringLiteral("TicketIncome")).split(',');
    case Base09:
        return (yearly + QStringLiteral("ServiceIncome")).split(',');
    }
    return {};
}

SamplePrefecture::SamplePrefecture(const SampleGenerator::Prefecture& prefecture, bool capital, int firstYear,
                                   int lastYear, std::uint32_t seed, Insert insert)
    : prefecture_(prefecture), capital_(capital), firstYear_(firstYear), lastYear_(lastYear), engine_(seed),
      insert_(std::move(insert))
{
}

void SamplePrefecture::Write(const Counts& counts, Sequence& sequence)
{
    Random r(engine_);
    inbound_ = r.Real(0.5, 1.6);
    for (int j = 0; j < counts.Hotels; ++j)
        WriteLodging(true, j, sequence.Hotel++);
    for (int j = 0; j < counts.OtherAccommodation; ++j)
        WriteLodging(false, j, -1);
    for (int j = 0; j < counts.TravelAgencies; ++j)
        WriteAgency(j, sequence.Agency++);
    for (int j = 0; j < counts.ScenicAreas; ++j)
        WriteScenicArea(j);
    for (int j = 0; j < counts.OtherEnterprises; ++j)
        WriteOtherEnterprise(j);
}

SamplePrefecture::Placement SamplePrefecture::Place()
{
    Random r(engine_);
    const SampleGenerator::Prefecture& p = prefecture_;
    if (p.Counties.empty() || r.Chance(0.05))
        return {p.Code, ShortName(p.Name)};
    // Districts of the city draw the most enterprises, county-level cities more than counties.
    int total = 0;
    std::vector<int> weights;
    for (const auto& county : p.Counties) {
        const int tail = QStringView(county.Code).right(2).toInt();
        weights.push_back(tail < 20 ? 3 : tail > 80 ? 2 : 1);
        total += weights.back();
    }
    int x = r.Int(0, total - 1);
    std::size_t i = 0;
    while (x >= weights[i])
        x -= weights[i++];
    return {p.Counties[i].Code, ShortName(p.Counties[i].Name)};
}

// The code: head, region, serial ("B1430102007"); the word: a brand that differs within a county.
std::pair<QString, QString> SamplePrefecture::NewCode(const QString& head, const QString& region)
{
    const int serial = ++serials_[head + region];
    const int kind = head.at(0).unicode() * 5 + (head.size() > 1 ? head.at(1).unicode() : 0);
    const int word = (region.toInt() % kBrandCount + kind + serial * 7) % kBrandCount;
    return {head + region + QString::number(serial).rightJustified(3, '0'),
            QString::fromUtf8(kBrandWords[word])};
}

// Most enterprises are older than the sample; a few open during it (never an anchor).
SamplePrefecture::Founding SamplePrefecture::Found(bool anchor)
{
    Random r(engine_);
    const bool recent = !anchor && r.Chance(0.05);
    const int year = recent ? r.Int(firstYear_, lastYear_) : r.Int(1985, firstYear_ - 1);
    const int month = r.Int(1, 12);
    return {year, month, Date(year, month, r.Int(1, DaysInMonth(year, month)))};
}

double SamplePrefecture::Growth(int year) const
{
    return 1.0 - 0.07 * (lastYear_ - year);
}

// An anchor (the first few of a prefecture, the first hotels of the sample) never misses a
// return, so every report has figures for every prefecture.
void SamplePrefecture::WriteLodging(bool hotel, int inPrefecture, int g)
{
    Random r(engine_);
    const bool anchor = inPrefecture < 3 || (hotel && g < kCoverageHotels);
    QString head = QStringLiteral("B1");
    QString registration;
    QString star = QStringLiteral("0");
    if (hotel) {
        registration = g < kCoverageHotels ? QString::fromLatin1(kCoverageRegistration[g])
                       : inPrefecture == 0 ? Pick(r, kForeignFunded)
                                           : Pick(r, kHotelRegistration);
        star = g < static_cast<int>(std::size(kStarCycle)) ? QString::fromLatin1(kStarCycle[g])
                                                           : Pick(r, kStars);
    } else {
        head = Pick(r, kLodgingHeads);
        registration = Pick(r, kLodgingRegistration);
    }
    const int starLevel = star.toInt();
    const Profile& pro = !hotel           ? kLodgingProfile
                         : starLevel <= 5 ? kStarProfiles[starLevel]
                                          : kStarProfiles[0];
    int rooms = g >= 0 && g < static_cast<int>(std::size(kRoomBands))
                    ? r.Int(kRoomBands[g].first, kRoomBands[g].second)
                    : r.Int(pro.roomsLow, pro.roomsHigh);
    if (hotel && !anchor && g % 113 == 77)
        rooms = 0; // all rooms closed, the restaurant still open
    const bool roomsKnown = !(hotel && !anchor && g % 131 == 60);
    const long long beds = Whole(rooms * r.Real(1.3, 1.9));

    const Placement place = Place();
    const auto [code, word] = NewCode(head, place.Region);
    const Founding open = Found(anchor);
    insert_(Base01, {code, place.Stem + word + LodgingSuffix(r, head, star), place.Region, registration,
                     QVariant(), OrNull(!roomsKnown, rooms), OrNull(!roomsKnown, beds),
                     Text(Pick(r, kUnitTypes)), star, open.Date});

    const double price = r.Real(pro.priceLow, pro.priceHigh);
    const double occupancy = r.Real(pro.occupancyLow, pro.occupancyHigh);
    const double inbound = pro.inbound * inbound_ * r.Real(0.3, 1.8);
    const double stayHome = r.Real(1.3, 2.0);
    const double stayAbroad = r.Real(1.8, 2.8);
    const double food = pro.food * r.Real(0.7, 1.3);
    const double otherShare = r.Real(0.05, 0.25);
    const double assetPerRoom = r.Real(pro.assetLow, pro.assetHigh);
    const double margin = r.Real(-0.08, 0.16);
    const bool noCountries = starLevel <= 2 && r.Chance(0.4); // leaves the country breakdown blank
    std::array<long long, kCountryCount> countries{};

    for (int year = firstYear_; year <= lastYear_; ++year) {
        double income = 0;
        int months = 0;
        for (int month = 1; month <= 12; ++month) {
            if (year * 12 + month <= open.Year * 12 + open.Month)
                continue; // reports from the month after opening
            ++months;
            long long check = static_cast<long long>(rooms) * DaysInMonth(year, month);
            if (r.Chance(0.03))
                check = Whole(check * r.Real(0.6, 0.9)); // a floor under renovation
            const double season = kSeason[month - 1];
            const double rate = std::min(0.97, occupancy * season * Growth(year) * r.Real(0.92, 1.08));
            const long long real = Whole(check * rate);
            const long long nights = Whole(real * r.Real(1.2, 1.6));
            const long long abroadNights = Whole(nights * inbound * r.Real(0.6, 1.4));
            const long long homeDays = nights - abroadNights;
            const long long abroad = Whole(abroadNights / stayAbroad);
            const long long hk = Whole(abroad * r.Real(0.15, 0.30));
            const long long macao = Whole(abroad * r.Real(0.03, 0.09));
            const long long tw = Whole(abroad * r.Real(0.10, 0.22));
            const long long foreign = noCountries ? 0 : std::max(0LL, abroad - hk - macao - tw);
            SplitForeign(r, foreign, countries);
            const double roomIncome =
                Money(real * price * (0.85 + 0.15 * season) * r.Real(0.95, 1.05) / 10000.0);
            const double restaurant =
                rooms == 0 ? Money(r.Real(5, 40)) : Money(roomIncome * food * r.Real(0.8, 1.2));
            const double other = Money(roomIncome * otherShare * r.Real(0.7, 1.3) + (rooms == 0 ? 1.5 : 0.0));
            income += roomIncome + restaurant + other;
            if (!anchor && r.Chance(0.02))
                continue; // a return that never came in
            QVariantList row = {code,
                                MonthEnd(year, month),
                                Whole(homeDays / stayHome),
                                homeDays,
                                tw,
                                Whole(tw * stayAbroad),
                                macao,
                                Whole(macao * stayAbroad),
                                hk,
                                Whole(hk * stayAbroad),
                                Whole(foreign * stayAbroad)};
            for (long long n : countries)
                row << OrNull(noCountries, n);
            row << roomIncome << restaurant << other << real << check;
            insert_(Base05, row);
        }
        if (months == 0 || (!anchor && r.Chance(0.03)))
            continue;
        const double assets =
            Money((rooms > 0 ? rooms * assetPerRoom : r.Real(200, 800)) * (1.0 + 0.02 * (year - firstYear_)));
        const double depreciation = Money(assets * std::min(0.75, 0.035 * (year - open.Year) + 0.02));
        const double operation = Money(income * r.Real(1.0, 1.06));
        const long long staff = std::max(3LL, Whole((rooms > 0 ? rooms : 20) * pro.staff * r.Real(0.9, 1.1)));
        insert_(Base06,
                {code, Date(year, 12, 31), assets, depreciation,
                 OrNull(!anchor && r.Chance(0.03), Money((assets - depreciation) * r.Real(1.0, 1.12))),
                 operation, Money(operation * (margin + r.Real(-0.03, 0.03))),
                 Money(operation * r.Real(0.012, 0.02)),
                 OrNull(!anchor && r.Chance(0.02), static_cast<double>(staff))});
    }
}

void SamplePrefecture::WriteAgency(int inPrefecture, int g)
{
    Random r(engine_);
    const bool anchor = inPrefecture < 2;
    const QString type = inPrefecture == 0   ? QStringLiteral("1")
                         : inPrefecture == 1 ? QStringLiteral("2")
                         : g == 2            ? QStringLiteral("3")
                                             : Pick(r, kAgencyTypes);
    const Placement place = Place();
    const auto [code, word] = NewCode(QStringLiteral("A"), place.Region);
    const Founding open = Found(anchor);
    const QString suffix = type == QLatin1String("1") ? QStringLiteral("国际旅行社有限公司")
                           : type == QLatin1String("2")
                               ? (r.Chance(0.5) ? QStringLiteral("旅行社有限公司") : QStringLiteral("旅行社"))
                               : QStringLiteral("旅游服务有限公司");
    insert_(Base01, {code, place.Stem + word + suffix, place.Region, Pick(r, kAgencyRegistration), type,
                     QVariant(), QVariant(), Text(Pick(r, kUnitTypes)), QVariant(), open.Date});

    const double scale = (type == QLatin1String("1")   ? r.Real(2500, 30000)
                          : type == QLatin1String("2") ? r.Real(150, 3500)
                                                       : r.Real(40, 400)) *
                         (capital_ ? 1.6 : 1.0);
    const double perHead = r.Real(40, 110);
    const double assetPerHead = r.Real(2, 8);
    const double margin = r.Real(-0.02, 0.05);
    for (int year = std::max(open.Year, firstYear_); year <= lastYear_; ++year) {
        if (!anchor && r.Chance(0.04))
            continue;
        const double income = Money(scale * Growth(year) * r.Real(0.94, 1.06));
        const long long staff = std::max(4LL, Whole(income / perHead));
        const double assets = Money(staff * assetPerHead);
        const long long groups = std::max(1LL, Whole(income * r.Real(0.08, 0.25)));
        const long long organised = Whole(groups * r.Real(18, 32));
        const long long received = Whole(organised * r.Real(0.4, 1.4));
        insert_(Base04, {code, Date(year, 12, 31), assets, Money(assets * r.Real(0.3, 0.6)), income,
                         Money(income * (margin + r.Real(-0.01, 0.01))),
                         OrNull(!anchor && r.Chance(0.05), Money(income * r.Real(0.003, 0.008))),
                         static_cast<double>(staff), groups, organised, received,
                         OrNull(!anchor && r.Chance(0.05), Whole(received * r.Real(1.8, 3.6)))});
    }
}

void SamplePrefecture::WriteScenicArea(int inPrefecture)
{
    static constexpr Weighted kTiers[] = {{"", 40}, {"", 35}, {"", 20}, {"", 5}};
    static constexpr std::pair<double, double> kVisitors[] = {
        {20000, 100000}, {100000, 600000}, {600000, 3000000}, {3000000, 8000000}};
    Random r(engine_);
    const bool anchor = inPrefecture < 2;
    const Placement place = Place();
    const QString code = NewCode(QStringLiteral("C"), place.Region).first;
    const Founding open = Found(anchor);
    const QString name =
        place.Stem +
        QString::fromUtf8(kScenicWords[r.Int(0, static_cast<int>(std::size(kScenicWords)) - 1)]) +
        QString::fromUtf8(kScenicSuffixes[r.Int(0, static_cast<int>(std::size(kScenicSuffixes)) - 1)]);
    insert_(Base01, {code, name, place.Region, Pick(r, kScenicRegistration), QVariant(), QVariant(),
                     QVariant(), Text(Pick(r, kUnitTypes)), QVariant(), open.Date});

    const auto& tier = kVisitors[PickIndex(r, kTiers)];
    const double visitors = r.Real(tier.first, tier.second);
    const bool free = r.Chance(0.2);
    const double ticket = r.Real(30, 240) * r.Real(0.45, 0.9); // per visitor, paid share included
    const double spend = r.Real(5, 25);
    const double margin = r.Real(-0.12, 0.3);
    const double perHead = r.Real(2500, 9000);
    const double assetRatio = r.Real(1.5, 6);
    for (int year = std::max(open.Year, firstYear_); year <= lastYear_; ++year) {
        if (!anchor && r.Chance(0.04))
            continue;
        const long long people = Whole(visitors * Growth(year) * r.Real(0.92, 1.08));
        const double tickets = free ? 0.0 : Money(people * ticket / 10000.0);
        const double income = Money(tickets * r.Real(1.15, 1.6) + people * spend / 10000.0);
        insert_(Base08,
                {code, Date(year, 12, 31), OrNull(!anchor && r.Chance(0.03), Money(income * assetRatio)),
                 income, Money(income * (margin + r.Real(-0.03, 0.03))), Money(income * r.Real(0.01, 0.03)),
                 static_cast<double>(std::max(8LL, Whole(people / perHead))), people, OrNull(free, tickets)});
    }
}

void SamplePrefecture::WriteOtherEnterprise(int inPrefecture)
{
    static const QHash<QString, QStringList> suffixes = {
        {QStringLiteral("E"),
         {QStringLiteral("旅游汽车运输有限公司"), QStringLiteral("游船有限公司"),
          QStringLiteral("旅游客运有限公司")}},
        {QStringLiteral("F"),
         {QStringLiteral("旅游商品有限公司"), QStringLiteral("旅游文化传播有限公司"),
          QStringLiteral("演艺有限公司"), QStringLiteral("旅游服务中心")}},
    };
    Random r(engine_);
    const bool anchor = inPrefecture < 2;
    const QString head = Pick(r, kOtherHeads);
    const Placement place = Place();
    const auto [code, word] = NewCode(head, place.Region);
    const Founding open = Found(anchor);
    const QStringList& names = suffixes[head];
    insert_(Base01, {code, place.Stem + word + names[r.Int(0, static_cast<int>(names.size()) - 1)],
                     place.Region, Pick(r, kOtherRegistration), QVariant(), QVariant(), QVariant(),
                     Text(Pick(r, kUnitTypes)), QVariant(), open.Date});

    const double scale = r.Real(80, 6000);
    const bool countsVisitors = r.Chance(0.7);
    const double visitorsPerIncome = r.Real(30, 200);
    const double perHead = r.Real(25, 80);
    const double assetRatio = r.Real(0.4, 3);
    const double margin = r.Real(-0.06, 0.12);
    for (int year = std::max(open.Year, firstYear_); year <= lastYear_; ++year) {
        if (!anchor && r.Chance(0.04))
            continue;
        const double income = Money(scale * Growth(year) * r.Real(0.93, 1.07));
        insert_(Base09, {code, Date(year, 12, 31), Money(income * assetRatio), income,
                         Money(income * (margin + r.Real(-0.02, 0.02))), Money(income * r.Real(0.01, 0.03)),
                         static_cast<double>(std::max(3LL, Whole(income / perHead))),
                         OrNull(!countsVisitors, Whole(income * visitorsPerIncome)),
                         OrNull(!anchor && r.Chance(0.1), Money(income * r.Real(0.55, 0.95)))});
    }
}
