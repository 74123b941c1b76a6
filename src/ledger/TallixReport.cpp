#include "TallixReport.h"

#include "TallixAreaData.h"

std::shared_ptr<TallixAreaData> TallixReport::Total() const
{
    return SumOfItems(&TallixAreaData::AddTallixAreaData);
}

void TallixReport::Save() const
{
    SaveReport(*Total(), [](TallixAreaData& total) { total.Name = QStringLiteral("合计"); });
}
