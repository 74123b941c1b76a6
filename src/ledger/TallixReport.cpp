#include "TallixReport.h"

#include "ResultTables.h"
#include "TallixAreaData.h"

std::shared_ptr<TallixAreaData> TallixReport::Total() const
{
    if (RunTotal())
        return RunTotal();
    auto total = std::make_shared<TallixAreaData>();
    for (const auto& row : Items())
        TallixAreaData::AddTallixAreaData(*total, *row);
    return total;
}

void TallixReport::Save() const
{
    ResultTables::Replace([this] {
        Run.Write();
        const auto total = Total();
        total->Name = QStringLiteral("合计");
        total->Save();
        for (const auto& row : Items())
            row->Save();
    });
}
