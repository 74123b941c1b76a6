#include "TallixAreaData.h"

#include "Connection.h"
#include "Numeric.h"
#include "ResultTables.h"
#include "SqlText.h"

#include <stdexcept>
#include <string>
#include <utility>

TallixAreaData::TallixAreaData()
{
    Clear();
}

void TallixAreaData::SetCustomIndexs(const TallixIndexList& source)
{
    indexs_.clear();
    indexs_.reserve(source.size());
    for (const auto& from : source) {
        auto copy = std::make_shared<TallixIndex>();
        if (from) {
            copy->Tablename = from->Tablename;
            copy->FieldName = from->FieldName;
            copy->SumValueNew = from->SumValueNew;
            copy->SumValueOld = from->SumValueOld;
            copy->IsCompare = from->IsCompare;
        }
        indexs_.push_back(std::move(copy));
    }
}

TallixIndex& TallixAreaData::Item(std::int16_t index)
{
    return const_cast<TallixIndex&>(std::as_const(*this).Item(index));
}

const TallixIndex& TallixAreaData::Item(std::int16_t index) const
{
    if (index < 0 || index >= ColumnCount())
        throw std::out_of_range("TallixAreaData: no column " + std::to_string(index));
    return *indexs_[static_cast<std::size_t>(index)];
}

void TallixAreaData::Clear()
{
    for (const auto& index : indexs_) {
        index->SumValueNew = 0;
        index->SumValueOld = 0;
    }
}

void TallixAreaData::AddTallixAreaData(TallixAreaData& Dest, const TallixAreaData& Source)
{
    if (Dest.ColumnCount() == 0) {
        Dest.SetCustomIndexs(Source.indexs_);
        return;
    }
    for (int i = 0; i < Dest.ColumnCount(); ++i) {
        const TallixIndex& from = Source.Item(static_cast<std::int16_t>(i));
        TallixIndex& to = Dest.Item(static_cast<std::int16_t>(i));
        to.SumValueNew += from.SumValueNew;
        to.SumValueOld += from.SumValueOld;
    }
}

QString TallixAreaData::SaveSql() const
{
    return SaveRow().Statement();
}

ResultRow TallixAreaData::SaveRow() const
{
    if (ColumnCount() > MaxColumns)
        throw std::length_error("TallixAreaData: a ledger row holds at most eight columns");
    ResultRow row(QStringLiteral("insert into type22 (value1,value2,value3,value4,value5,value6,value7,value8,value9)"),
                  Name, QStringLiteral("values('"));
    for (const auto& index : indexs_)
        row.Value(index->SumValue());
    for (int k = ColumnCount(); k < MaxColumns; ++k)
        row.Text(QString());
    return row;
}

void TallixAreaData::Save() const
{
    ResultTables::Insert(SaveRow());
}
