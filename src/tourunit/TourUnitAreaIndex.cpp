#include "TourUnitAreaIndex.h"

#include "Numeric.h"

double TourUnitAreaIndex::FixAssetsNetValue() const
{
    return FixAssetsInitialPrice - AccumulatedDepreciation;
}

double TourUnitAreaIndex::ProfitPercent() const
{
    return Numeric::RoundTwo(Numeric::Ratio(ProfitTotal * 100, OperationIncome));
}

double TourUnitAreaIndex::LaborProductivity() const
{
    return Numeric::RoundTwo(Numeric::Ratio(OperationIncome, YearendEmployment));
}

double TourUnitAreaIndex::TaxPerCapita() const
{
    return Numeric::RoundTwo(Numeric::Ratio(OperationTaxAddition + ProfitTotal, YearendEmployment));
}

double TourUnitAreaIndex::ProfitTotalPerCapita() const
{
    return Numeric::RoundTwo(Numeric::Ratio(ProfitTotal, YearendEmployment));
}

double TourUnitAreaIndex::FixAssetsInitialPerCapita() const
{
    return Numeric::RoundTwo(Numeric::Ratio(FixAssetsInitialPrice, YearendEmployment));
}

void TourUnitAreaIndex::Clear()
{
    *this = TourUnitAreaIndex();
}

void TourUnitAreaIndex::AddTourUnitAreaIndex(TourUnitAreaIndex& dest, const TourUnitAreaIndex& source)
{
    dest.FixAssetsInitialPrice = source.FixAssetsInitialPrice + dest.FixAssetsInitialPrice;
    dest.AccumulatedDepreciation = source.AccumulatedDepreciation + dest.AccumulatedDepreciation;
    dest.OperationIncome = source.OperationIncome + dest.OperationIncome;
    dest.ProfitTotal = source.ProfitTotal + dest.ProfitTotal;
    dest.OperationTaxAddition = source.OperationTaxAddition + dest.OperationTaxAddition;
    dest.YearendEmployment = source.YearendEmployment + dest.YearendEmployment;
    dest.TourUnitNum = source.TourUnitNum + dest.TourUnitNum;
}
