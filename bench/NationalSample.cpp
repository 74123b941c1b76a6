#include "NationalSample.h"

#include <iterator>

namespace {

struct ProvinceSeed
{
    int code;
    const char* name;
    int prefectures;
};

// Prefecture-level divisions per province as in the national code list; the municipalities
// keep their one "市辖区" (Chongqing its two).
constexpr ProvinceSeed kProvinces[] = {
    {11, "北京市", 1},
    {12, "天津市", 1},
    {13, "河北省", 11},
    {14, "山西省", 11},
    {15, "内蒙古自治区", 12},
    {21, "辽宁省", 14},
    {22, "吉林省", 9},
    {23, "黑龙江省", 13},
    {31, "上海市", 1},
    {32, "江苏省", 13},
    {33, "浙江省", 11},
    {34, "安徽省", 16},
    {35, "福建省", 9},
    {36, "江西省", 11},
    {37, "山东省", 16},
    {41, "河南省", 18},
    {42, "湖北省", 17},
    {43, "湖南省", 14},
    {44, "广东省", 21},
    {45, "广西壮族自治区", 14},
    {46, "海南省", 5},
    {50, "重庆市", 2},
    {51, "四川省", 21},
    {52, "贵州省", 9},
    {53, "云南省", 16},
    {54, "西藏自治区", 7},
    {61, "陕西省", 10},
    {62, "甘肃省", 14},
    {63, "青海省", 8},
    {64, "宁夏回族自治区", 5},
    {65, "新疆维吾尔自治区", 14},
};
static_assert(std::size(kProvinces) == NationalSample::Provinces);

// Invented place names: two of these characters and a suffix.
constexpr const char* kSyllables[] = {"安", "宝", "昌", "丰", "福", "广", "海", "和", "华", "嘉",
                                      "建", "江", "金", "景", "乐", "临", "龙", "梅", "宁", "平",
                                      "青", "庆", "瑞", "山", "寿", "泰", "桃", "通", "文", "西",
                                      "祥", "新", "兴", "阳", "永", "玉", "元", "云", "长", "中"};
constexpr int kSyllableCount = static_cast<int>(std::size(kSyllables));

QString PlaceName(int serial, const char* suffix)
{
    const int first = serial % kSyllableCount;
    const int second = (serial / kSyllableCount + serial * 13 + 7) % kSyllableCount;
    return QString::fromUtf8(kSyllables[first]) + QString::fromUtf8(kSyllables[second]) +
           QString::fromUtf8(suffix);
}

// Districts first (tails 02 on, where enterprises crowd), then counties (21 on), and for the
// larger prefectures one county-level city (81).
std::vector<SampleGenerator::County> Counties(const QString& prefectureCode, int count, int& serial)
{
    std::vector<SampleGenerator::County> counties;
    const int districts = count / 3;
    for (int i = 0; i < count; ++i) {
        int tail = 0;
        const char* suffix = "县";
        if (i < districts) {
            tail = 2 + i;
            suffix = "区";
        } else if (i == count - 1 && count >= 6) {
            tail = 81;
            suffix = "市";
        } else {
            tail = 21 + (i - districts);
        }
        counties.push_back(
            {prefectureCode.left(4) + QString::number(tail).rightJustified(2, QLatin1Char('0')),
             PlaceName(serial++, suffix)});
    }
    return counties;
}

} // namespace

SampleGenerator::Config NationalSample::Config()
{
    SampleGenerator::Config config;
    int serial = 0;
    for (int k = 0; k < Provinces; ++k) {
        const ProvinceSeed& seed = kProvinces[k];
        const QString head = QString::number(seed.code);
        SampleGenerator::Province province{head + QStringLiteral("0000"), QString::fromUtf8(seed.name), {}};
        const bool municipality = seed.prefectures <= 2;
        for (int p = 0; p < seed.prefectures; ++p) {
            const QString code =
                head + QString::number(p + 1).rightJustified(2, QLatin1Char('0')) + QStringLiteral("00");
            const QString name = municipality ? (p == 0 ? QStringLiteral("市辖区") : QStringLiteral("县"))
                                              : PlaceName(serial++, "市");
            const int counties = municipality ? 16 : 5 + (k * 5 + p * 3) % 7;
            province.Prefectures.push_back({code, name, Counties(code, counties, serial)});
        }
        config.Provinces.push_back(std::move(province));
    }
    config.FirstYear = 2023;
    config.YearCount = 3;
    config.Seed = 20260101;
    // 20,000 enterprises with monthly hotel returns: tourism hotels and other lodging.
    config.Hotels = 16000;
    config.OtherAccommodation = 4000;
    config.TravelAgencies = 10000;
    config.ScenicAreas = 5000;
    config.OtherEnterprises = 3000;
    return config;
}

int NationalSample::PrefectureCount(const SampleGenerator::Config& config)
{
    int count = 0;
    for (const auto& province : config.Provinces)
        count += static_cast<int>(province.Prefectures.size());
    return count;
}

int NationalSample::CountyCount(const SampleGenerator::Config& config)
{
    int count = 0;
    for (const auto& province : config.Provinces)
        for (const auto& prefecture : province.Prefectures)
            count += static_cast<int>(prefecture.Counties.size());
    return count;
}
