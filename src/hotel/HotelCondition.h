#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The hotel filter of one run: the period, nine ranges (-1 = that side open, bounds
// inclusive) and three lists of admitted values. It yields the SQL pieces of the hotel
// query and the four range tests applied to each hotel after it is read.
class HotelCondition
{
public:
    std::int16_t YearStat = 0;
    std::int16_t MonthStat = 0;
    std::int16_t OpenDateStart = 0;
    std::int16_t OpenDateEnd = 0;
    double RoomsStart = 0;
    double RoomsEnd = 0;
    double FixedAssetsStart = 0;
    double FixedAssetsEnd = 0;
    double ProfitTotalStart = 0;
    double ProfitTotalEnd = 0;
    double OperateIncomeStart = 0;
    double OperateIncomeEnd = 0;
    double RentPercentStart = 0;
    double RentPercentEnd = 0;
    double ReceptionNumStart = 0;
    double ReceptionNumEnd = 0;
    double IncomePerStart = 0;
    double IncomePerEnd = 0;
    double ProfitPerStart = 0;
    double ProfitPerEnd = 0;

    // The hotel window's initial state for a period: every box ticked, every range open.
    static HotelCondition AllHotels(std::int16_t year, std::int16_t month);
    // The statistics categories the window's boxes offer, in their order.
    static const QStringList& AllCategories();

    // Write-only lists; each call replaces the whole list. An empty list admits nothing.
    void SetRegType(const std::vector<std::int16_t>& codes) { regType_ = codes; }
    void SetStarlevel(const std::vector<std::int16_t>& levels) { starlevel_ = levels; }
    void SetStatCategory(const QStringList& prefixes) { statCategory_ = prefixes; }
    const std::vector<std::int16_t>& RegType() const { return regType_; }
    const std::vector<std::int16_t>& Starlevel() const { return starlevel_; }
    const QStringList& StatCategory() const { return statCategory_; }

    QString DateSql(const QString& Tablename) const;
    QString RegTypeSql() const;
    QString StarLevelSql() const;
    QString StatCategorySql() const;
    QString OpenDateSql() const;
    QString RoomsSql() const;
    QString FixedAssetsSql() const;
    QString ProfitTotalSql() const;
    QString OperateIncomeSql() const;

    bool RentPercentValide(double Value) const;
    bool ReceptionNumValide(double Value) const;
    bool IncomePerValide(double Value) const;
    bool ProfitPerValide(double Value) const;
    // Whether any of the four tests above can refuse a hotel.
    bool TestsEachHotel() const;

    // The text a bound takes in a statement: the shortest decimal form (100, 2.5, -3).
    static QString NumberSql(double value);

private:
    std::vector<std::int16_t> regType_;
    std::vector<std::int16_t> starlevel_;
    QStringList statCategory_;
};
