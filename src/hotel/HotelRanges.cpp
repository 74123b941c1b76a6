#include "HotelRanges.h"

#include "HotelCondition.h"
#include "Numeric.h"

namespace HotelRanges {

namespace {

double Amount(const QString& text)
{
    return text.trimmed().isEmpty() ? -1.0 : Numeric::ToDouble(text.trimmed());
}

std::int16_t Year(const QString& text)
{
    return text.trimmed().isEmpty() ? std::int16_t(-1) : Numeric::ToInt16(text.trimmed());
}

void FillYears(HotelCondition& c, const QString& start, const QString& end)
{
    c.OpenDateStart = Year(start);
    c.OpenDateEnd = Year(end);
}

template <double HotelCondition::*Start, double HotelCondition::*End>
void FillAmounts(HotelCondition& c, const QString& start, const QString& end)
{
    c.*Start = Amount(start);
    c.*End = Amount(end);
}

} // namespace

const std::vector<Rule>& Rules()
{
    using namespace InputRules;
    using C = HotelCondition;
    static const std::vector<Rule> rules = {
        {OpenYear, "open-year", InputRules::Year, YearMessage, OpenDateEmptyMessage, FillYears},
        {FixedAssets, "fixed-assets", NonNegativeAmount, FixedAssetsMessage, FixedAssetsEmptyMessage,
         FillAmounts<&C::FixedAssetsStart, &C::FixedAssetsEnd>},
        {Occupancy, "occupancy", NonNegativeAmount, DataMessage, HireRateEmptyMessage,
         FillAmounts<&C::RentPercentStart, &C::RentPercentEnd>},
        {IncomePer, "income-per", SignedAmount, DataMessage, IncomePerEmptyMessage,
         FillAmounts<&C::IncomePerStart, &C::IncomePerEnd>},
        {Income, "income", SignedAmount, DataMessage, OpIncomeEmptyMessage,
         FillAmounts<&C::OperateIncomeStart, &C::OperateIncomeEnd>},
        {ProfitPer, "profit-per", SignedAmount, DataMessage, ProfitPerEmptyMessage,
         FillAmounts<&C::ProfitPerStart, &C::ProfitPerEnd>},
        {Reception, "reception", NonNegativeAmount, DataMessage, ReceptionNumEmptyMessage,
         FillAmounts<&C::ReceptionNumStart, &C::ReceptionNumEnd>},
        {Rooms, "rooms", NonNegativeAmount, DataMessage, RoomEmptyMessage,
         FillAmounts<&C::RoomsStart, &C::RoomsEnd>},
        {Profit, "profit", SignedAmount, DataMessage, ProfitTotalEmptyMessage,
         FillAmounts<&C::ProfitTotalStart, &C::ProfitTotalEnd>},
    };
    return rules;
}

std::pair<QString, QString> Bounds(int item, const QString& start, const QString& end)
{
    switch (item) {
    case InputRules::AtLeast:
        return {start, QString()};
    case InputRules::AtMost:
        return {QString(), start};
    case InputRules::Between:
        return {start, end};
    default:
        return {};
    }
}

} // namespace HotelRanges
