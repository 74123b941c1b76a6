#pragma once

#include "LowerBound.h"

class HotelReport;
class TallixReport;
class TourUnitReport;

// The figures of a finished run, in the shape of the lower bound's, so that both sides are
// seen to compute the same sums.
class EngineFigures
{
public:
    static LowerBound::Figures Hotel(const HotelReport& report);
    static LowerBound::Figures Annual(const TourUnitReport& report);
    // The eight current sums of each row, then (with `previous`) the eight of the previous year.
    static LowerBound::Figures Ledger(const TallixReport& report, bool previous);
};
