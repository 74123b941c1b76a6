#include "TallixReport.h"

#include "Connection.h"
#include "TallixAreaData.h"

#include <stdexcept>
#include <string>

namespace {

void CheckPosition(int index, qsizetype count)
{
    if (index < 1 || index > count)
        throw std::out_of_range("TallixReport: no row at position " + std::to_string(index));
}

} // namespace

void TallixReport::Add(std::shared_ptr<TallixAreaData> areadata)
{
    items_.append(std::move(areadata));
}

int TallixReport::Count() const
{
    return static_cast<int>(items_.size());
}

void TallixReport::Delete(int index)
{
    CheckPosition(index, items_.size());
    items_.removeAt(index - 1);
}

std::shared_ptr<TallixAreaData> TallixReport::Item(int index) const
{
    CheckPosition(index, items_.size());
    return items_.at(index - 1);
}

void TallixReport::Clear()
{
    items_.clear();
}

std::shared_ptr<TallixAreaData> TallixReport::Total() const
{
    auto total = std::make_shared<TallixAreaData>();
    for (const auto& row : items_)
        TallixAreaData::AddTallixAreaData(*total, *row);
    return total;
}

void TallixReport::Save() const
{
    Connection::ClearResultTables();
    try {
        const auto total = Total();
        total->Name = QStringLiteral("合计");
        total->Save();
        for (const auto& row : items_)
            row->Save();
    } catch (...) {
        try {
            Connection::ClearResultTables();
        } catch (...) {
            // The first failure is the one worth reporting.
        }
        throw;
    }
}
