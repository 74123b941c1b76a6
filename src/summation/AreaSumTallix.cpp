// The Tallix pass of AreaSum.
#include "AreaSum.h"

#include "Connection.h"
#include "ConversionError.h"
#include "Numeric.h"
#include "Recordset.h"
#include "TallixAreaData.h"
#include "TallixCondition.h"
#include "RegionSelection.h"
#include "SqlText.h"

#include <QHash>

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

// A code as "=" compares it: trailing blanks do not count.
QString Key(const QString& code)
{
    qsizetype end = code.size();
    while (end > 0 && code[end - 1] == QLatin1Char(' '))
        --end;
    return code.left(end);
}

// The names of the rows, read in one statement each rather than one per row.
QHash<QString, QString> NamesOf(const QString& sql)
{
    Connection::OpenStatConnection();
    QHash<QString, QString> names;
    try {
        Connection::StatCmd->CommandText = sql;
        Connection::StatRs->Open(*Connection::StatCmd);
        for (Connection::StatRs->MoveFirst(); !Connection::StatRs->IsEOF(); Connection::StatRs->MoveNext())
            names.insert(Key(Connection::StatRs->Value(0).toString()), Connection::StatRs->Value(1).toString());
    } catch (...) {
        Connection::CloseStatConnection();
        throw;
    }
    Connection::CloseStatConnection();
    return names;
}

QHash<QString, QString> RegionNames(const QStringList& codes)
{
    if (codes.isEmpty())
        return {};
    return NamesOf(QStringLiteral("select Areacode, Areaname from Area"));
}

QHash<QString, QString> UnitNames(const QStringList& codes)
{
    if (codes.isEmpty())
        return {};
    QStringList quoted;
    for (const QString& code : codes)
        quoted << SqlText::Quoted(code);
    return NamesOf(QStringLiteral("SELECT code, Unitname FROM Base01 WHERE code IN (") + quoted.join(QLatin1Char(',')) +
                   QLatin1Char(')'));
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

RunResult<TallixAreaData> AreaSum::CalculateTallixRows(const QStringList& codes, TallixCondition& condition,
                                                      bool isArea, const RunProgress& progress)
{
    RunResult<TallixAreaData> run;
    const auto fresh = [&condition](const QString& code, const QString& name) {
        auto row = std::make_shared<TallixAreaData>();
        row->code = code;
        row->SetCustomIndexs(condition.CustomIndexs());
        row->Clear();
        row->Name = name;
        return row;
    };
    // A run without rows totals nothing, not even its columns.
    run.Total = codes.isEmpty() ? std::make_shared<TallixAreaData>() : fresh(QString(), QString());
    const QHash<QString, QString> names = isArea ? RegionNames(codes) : UnitNames(codes);
    for (const QString& code : codes)
        run.Items.push_back(fresh(code, isArea && code.isEmpty() ? QStringLiteral("合计") : names.value(Key(code))));
    if (codes.isEmpty())
        return run;

    if (condition.TableStyle != 3 && condition.TableStyle != 4) {
        LoadTallixYear(codes, condition, isArea, run, progress);
        return run;
    }
    LoadTallixYear(codes, condition, isArea, run, progress);
    RunResult<TallixAreaData> previous;
    previous.Total = fresh(QString(), QString());
    for (const QString& code : codes)
        previous.Items.push_back(fresh(code, QString()));
    {
        const YearRestore restore(condition);
        condition.YearStat = static_cast<std::int16_t>(condition.YearStat - 1);
        LoadTallixYear(codes, condition, isArea, previous, progress);
    }
    MergeCompareValues(*run.Total, *previous.Total);
    for (std::size_t i = 0; i < run.Items.size(); ++i)
        MergeCompareValues(*run.Items[i], *previous.Items[i]);
    return run;
}

std::shared_ptr<TallixAreaData> AreaSum::CalculateTallix(const QString& code, TallixCondition& condition,
                                                         bool isArea)
{
    return CalculateTallixRows({code}, condition, isArea).Items.front();
}

void AreaSum::LoadTallixYear(const QStringList& codes, TallixCondition& condition, bool isArea,
                             RunResult<TallixAreaData>& run, const RunProgress& progress)
{
    // By region the register's region code says which rows an enterprise belongs to; by
    // enterprise its code does, compared as "=" compares (trailing blanks aside).
    RegionSelection regions(isArea ? codes : QStringList());
    QHash<QString, std::vector<int>> enterprises;
    QString selection;
    if (isArea) {
        const QString clause = regions.Clause(QStringLiteral("Base01.regionalismcode"));
        selection = QStringLiteral(" WHERE ") +
                    (clause.isEmpty() ? QStringLiteral("Base01.regionalismcode like '%'") : clause);
    } else {
        QStringList quoted;
        for (int i = 0; i < codes.size(); ++i) {
            std::vector<int>& positions = enterprises[Key(codes[i])];
            if (positions.empty())
                quoted << SqlText::Quoted(codes[i]);
            positions.push_back(i);
        }
        selection = QStringLiteral(" WHERE Base01.code IN (") + quoted.join(QLatin1Char(',')) + QLatin1Char(')');
    }

    const SourceSession session(*this);
    OpenRecordset(condition.RowsSql(selection));
    const int textField = condition.TextValueField() < 0 ? -1 : condition.TextValueField() + 1;
    const int total = recordset_->RecordCount();
    std::vector<int> byCode;
    int done = 0;
    for (recordset_->MoveFirst(); !recordset_->IsEOF(); recordset_->MoveNext(), ++done) {
        Report(progress, done, total);
        const Recordset::Row row = recordset_->CurrentRow();
        const std::vector<int>* matching = nullptr;
        if (isArea) {
            matching = &regions.Matching(row[1]);
        } else {
            const auto it = enterprises.constFind(Key(row[0].toString()));
            matching = it == enterprises.constEnd() ? &byCode : &*it;
        }
        if (matching->empty())
            continue;
        if (textField >= 0 && row[textField].toInt() != 0) {
            Recordset values;
            values.Open(condition.TextValuesSql(row[0].toString(), false), *connection_);
            CheckTextValues(values);
        }
        AccumulateTallixRow(*run.Total, *recordset_, 2);
        for (const int position : *matching)
            AccumulateTallixRow(*run.Items[position], *recordset_, 2);
    }
}

void AreaSum::AccumulateTallixRow(TallixAreaData& row, const Recordset& fields, int firstField)
{
    const Recordset::Row values = fields.CurrentRow();
    for (int i = 0; i < row.ColumnCount(); ++i) {
        const SqlValue& value = values[firstField + i];
        if (value.isNull())
            continue;
        TallixIndex& index = row.Item(static_cast<std::int16_t>(i));
        try {
            index.SumValueNew += Numeric::ToDouble(value);
        } catch (const ConversionError& e) {
            throw e.WithContext(QStringLiteral("表 ") + index.Tablename + QStringLiteral("，字段 ") +
                                index.FieldName + QStringLiteral("，企业 ") + values[0].toString().trimmed());
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
