#include "HotelCondition.h"

#include "SqlText.h"

#include <QLocale>

namespace {

bool Bounded(double bound)
{
    return bound != -1.0;
}

// " AND <column> >=<start>" and " AND <column> <=<end>" for the sides that are bounded.
QString Bounds(const QString& column, double start, double end)
{
    QString sql;
    if (Bounded(start))
        sql += QStringLiteral(" AND ") + column + QStringLiteral(" >=") + HotelCondition::NumberSql(start);
    if (Bounded(end))
        sql += QStringLiteral(" AND ") + column + QStringLiteral(" <=") + HotelCondition::NumberSql(end);
    return sql;
}

bool Within(double value, double start, double end)
{
    if (Bounded(start) && start > value)
        return false;
    if (Bounded(end) && end < value)
        return false;
    return true;
}

} // namespace

QString HotelCondition::NumberSql(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString HotelCondition::DateSql(const QString& Tablename) const
{
    return QStringLiteral("(") + QStringLiteral(" Year(") + Tablename + QStringLiteral(".TableDate) =") +
           QString::number(YearStat) + QStringLiteral(" AND ") + QStringLiteral(" Month(") + Tablename +
           QStringLiteral(".TableDate)=") + QString::number(MonthStat) + QStringLiteral(" )");
}

QString HotelCondition::RegTypeSql() const
{
    QString sql = QStringLiteral("(") + QStringLiteral(" RegistrationType='-1'");
    for (std::int16_t code : regType_)
        sql += QStringLiteral(" OR RegistrationType='") + QString::number(code) + QStringLiteral("'");
    return sql + QStringLiteral(" )");
}

QString HotelCondition::StarLevelSql() const
{
    QString sql = QStringLiteral("(") + QStringLiteral(" accommodationstar='-1'");
    for (std::int16_t level : starlevel_)
        sql += QStringLiteral(" OR accommodationstar ='") + QString::number(level) + QStringLiteral("'");
    return sql + QStringLiteral(" )");
}

QString HotelCondition::StatCategorySql() const
{
    QString sql = QStringLiteral("(") + QStringLiteral(" base01.code = '-1'");
    for (const QString& prefix : statCategory_)
        sql += QStringLiteral(" OR  base01.code like '") + SqlText::Escape(prefix) + QStringLiteral("%'");
    return sql + QStringLiteral(" )");
}

QString HotelCondition::OpenDateSql() const
{
    // A blank opening date has no year: like the collection system's engine, which gives it
    // the year 0, it passes the always-true term, and no bounded range admits it.
    QString sql = QStringLiteral("(") + QStringLiteral(" ifnull(year(opendate),0)<>-1");
    if (OpenDateStart != -1)
        sql += QStringLiteral(" AND year(opendate)>=") + QString::number(OpenDateStart);
    if (OpenDateEnd != -1)
        sql += QStringLiteral(" AND year(opendate)<=") + QString::number(OpenDateEnd);
    return sql + QStringLiteral(" )");
}

QString HotelCondition::RoomsSql() const
{
    return QStringLiteral("(") + QStringLiteral(" 1 <>-1 ") +
           Bounds(QStringLiteral("Rooms"), RoomsStart, RoomsEnd) + QStringLiteral(")");
}

QString HotelCondition::FixedAssetsSql() const
{
    return QStringLiteral("(") + QStringLiteral(" 1 <>-1 ") +
           Bounds(QStringLiteral("fixassetstotal"), FixedAssetsStart, FixedAssetsEnd) + QStringLiteral(" )");
}

QString HotelCondition::ProfitTotalSql() const
{
    return QStringLiteral("(") + QStringLiteral("1  <>-1") +
           Bounds(QStringLiteral("profittotal"), ProfitTotalStart, ProfitTotalEnd) + QStringLiteral(" )");
}

QString HotelCondition::OperateIncomeSql() const
{
    return QStringLiteral("(") + QStringLiteral(" 1 <>-1") +
           Bounds(QStringLiteral("OperationIncome"), OperateIncomeStart, OperateIncomeEnd) +
           QStringLiteral(" )");
}

bool HotelCondition::RentPercentValide(double Value) const
{
    return Within(Value, RentPercentStart, RentPercentEnd);
}

bool HotelCondition::ReceptionNumValide(double Value) const
{
    return Within(Value, ReceptionNumStart, ReceptionNumEnd);
}

bool HotelCondition::IncomePerValide(double Value) const
{
    return Within(Value, IncomePerStart, IncomePerEnd);
}

bool HotelCondition::ProfitPerValide(double Value) const
{
    return Within(Value, ProfitPerStart, ProfitPerEnd);
}

bool HotelCondition::TestsEachHotel() const
{
    for (const double bound : {RentPercentStart, RentPercentEnd, ReceptionNumStart, ReceptionNumEnd, IncomePerStart,
                               IncomePerEnd, ProfitPerStart, ProfitPerEnd})
        if (Bounded(bound))
            return true;
    return false;
}

HotelCondition HotelCondition::AllHotels(std::int16_t year, std::int16_t month)
{
    HotelCondition c;
    c.YearStat = year;
    c.MonthStat = month;
    c.OpenDateStart = c.OpenDateEnd = -1;
    for (double* bound : {&c.RoomsStart, &c.RoomsEnd, &c.FixedAssetsStart, &c.FixedAssetsEnd, &c.ProfitTotalStart,
                          &c.ProfitTotalEnd, &c.OperateIncomeStart, &c.OperateIncomeEnd, &c.RentPercentStart,
                          &c.RentPercentEnd, &c.ReceptionNumStart, &c.ReceptionNumEnd, &c.IncomePerStart,
                          &c.IncomePerEnd, &c.ProfitPerStart, &c.ProfitPerEnd})
        *bound = -1;
    c.SetRegType({110, 120, 130, 140, 150, 160, 170, 190, 210, 220, 230, 240, 310, 320, 330, 340});
    c.SetStarlevel({0, 1, 2, 3, 4, 5});
    c.SetStatCategory(AllCategories());
    return c;
}

const QStringList& HotelCondition::AllCategories()
{
    static const QStringList categories{QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"),
                                        QStringLiteral("B4"), QStringLiteral("B9")};
    return categories;
}
