#include "TallixIndex.h"

double TallixIndex::SumValue() const
{
    if (!IsCompare)
        return SumValueNew;
    if (SumValueOld == 0.0)
        return 0.0;
    return SumValueNew / SumValueOld - 1.0;
}
