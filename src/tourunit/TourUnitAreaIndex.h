#pragma once

// The yearly sums of one enterprise category (or of several categories together) and the
// indicators derived from them. Indicators are computed on every read, so the indicators of
// a total are ratios of summed amounts, never averages of ratios.
class TourUnitAreaIndex
{
public:
    double FixAssetsInitialPrice = 0;
    double AccumulatedDepreciation = 0;
    double OperationIncome = 0;
    double ProfitTotal = 0;
    double OperationTaxAddition = 0;
    double YearendEmployment = 0;
    double TourUnitNum = 0;

    double FixAssetsNetValue() const;
    double ProfitPercent() const;
    double LaborProductivity() const;
    double TaxPerCapita() const;
    double ProfitTotalPerCapita() const;
    double FixAssetsInitialPerCapita() const;

    void Clear();

    // Adds every sum of source into dest; source is left as it is.
    static void AddTourUnitAreaIndex(TourUnitAreaIndex& dest, const TourUnitAreaIndex& source);
};
