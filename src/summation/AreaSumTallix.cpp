// The Tallix pass of AreaSum.
#include "AreaSum.h"

#include "Connection.h"
#include "ConversionError.h"
#include "Numeric.h"
#include "Recordset.h"
#include "TallixAreaData.h"
#include "TallixCondition.h"

namespace {

// Puts the condition's year back however the previous-year query ends, so every row of a
// run is compared over the same two years.
class YearRestore
{
public:
    explicit YearRestore(TallixCondition& condition) : condition_(condition), year_(condition.YearStat) {}
    ~YearRestore() { condition_.YearStat = year_; }
    YearRestore(const YearRestore&) = delete;
    YearRestore& operator=(const YearRestore&) = delete;

private:
    TallixCondition& condition_;
    std::int16_t year_;
};

bool FoundTextValues(Recordset& sums, int field)
{
    if (field < 0 || sums.RecordCount() == 0)
        return false;
    for (sums.MoveFirst(); !sums.IsEOF(); sums.MoveNext())
        if (sums.Value(field).toInt() != 0)
            return true;
    return false;
}

// Every text value the check statement found must read as a number, or the run stops here
// naming where the value stands.
void CheckTextValues(Recordset& values)
{
    if (values.RecordCount() == 0)
        return;
    for (values.MoveFirst(); !values.IsEOF(); values.MoveNext()) {
        try {
            Numeric::ToDouble(values.Value(3));
        } catch (const ConversionError& e) {
            throw e.WithContext(QStringLiteral("表 ") + values.Value(0).toString() +
                                QStringLiteral("，字段 ") + values.Value(1).toString() +
                                QStringLiteral("，企业 ") + values.Value(2).toString().trimmed());
        }
    }
}

} // namespace

std::shared_ptr<TallixAreaData> AreaSum::CalculateTallix(const QString& code, TallixCondition& condition,
                                                         bool isArea)
{
    if (condition.TableStyle != 3 && condition.TableStyle != 4)
        return LoadTallixAreaData(code, condition, isArea);

    auto current = LoadTallixAreaData(code, condition, isArea);
    std::shared_ptr<TallixAreaData> previous;
    {
        const YearRestore restore(condition);
        condition.YearStat = static_cast<std::int16_t>(condition.YearStat - 1);
        previous = LoadTallixAreaData(code, condition, isArea);
    }
    MergeCompareValues(*current, *previous);
    return current;
}

std::shared_ptr<TallixAreaData> AreaSum::LoadTallixAreaData(const QString& code, TallixCondition& condition,
                                                            bool isArea)
{
    auto row = std::make_shared<TallixAreaData>();
    row->Clear();
    row->code = code;
    row->SetCustomIndexs(condition.CustomIndexs());
    row->Clear();
    row->Name = isArea ? Connection::AreaName(code) : Connection::UnitName(code);

    {
        const SourceSession session(*this);
        OpenRecordset(condition.CustomIndexsSql(code, isArea));
        if (FoundTextValues(*recordset_, condition.TextValueField())) {
            Recordset values;
            values.Open(condition.TextValuesSql(code, isArea), *connection_);
            CheckTextValues(values);
        }
        if (recordset_->RecordCount() > 0) {
            for (recordset_->MoveFirst(); !recordset_->IsEOF(); recordset_->MoveNext())
                AccumulateTallixRow(*row, *recordset_);
        }
    }
    row->AutoCalculate();
    return row;
}

void AreaSum::AccumulateTallixRow(TallixAreaData& row, const Recordset& fields)
{
    for (int i = 0; i < row.ColumnCount(); ++i) {
        const QVariant value = fields.Value(i + 1);
        if (value.isNull())
            continue;
        TallixIndex& index = row.Item(static_cast<std::int16_t>(i));
        try {
            index.SumValueNew += Numeric::ToDouble(value);
        } catch (const ConversionError& e) {
            throw e.WithContext(QStringLiteral("表 ") + index.Tablename + QStringLiteral("，字段 ") +
                                index.FieldName + QStringLiteral("，") + row.Name.trimmed() +
                                QStringLiteral("（") + row.code + QStringLiteral("）"));
        }
    }
}

void AreaSum::MergeCompareValues(TallixAreaData& current, const TallixAreaData& previous)
{
    for (int i = 0; i < previous.ColumnCount(); ++i) {
        TallixIndex& index = current.Item(static_cast<std::int16_t>(i));
        index.IsCompare = true;
        index.SumValueOld = previous.Item(static_cast<std::int16_t>(i)).SumValueNew;
    }
}
