#include "TallixCondition.h"

#include "RegionCode.h"
#include "SourcePeriod.h"
#include "SqlText.h"

namespace {

bool IsRegister(const QString& tableName)
{
    return tableName.toLower() == QLatin1String("base01");
}

// The column names of a field expression: the terms between the "+" signs.
QStringList Terms(const QString& fieldName)
{
    QStringList terms;
    for (const QString& term : fieldName.split(QLatin1Char('+'))) {
        const QString name = term.trimmed();
        if (!name.isEmpty())
            terms << name;
    }
    return terms;
}

QString TypeOf(const QString& table, const QString& column)
{
    return QStringLiteral("typeof(") + table + QLatin1Char('.') + column + QLatin1Char(')');
}

} // namespace

QString TallixCondition::CustomIndexsSql(const QString& code, bool isArea) const
{
    return Query(QStringLiteral("SELECT 1"), isArea, SelectionSql(code, isArea), &code, isArea);
}

QString TallixCondition::RowsSql(const QString& selection) const
{
    return Query(QStringLiteral("SELECT Base01.code, Base01.regionalismcode"), false, selection, nullptr, true);
}

QString TallixCondition::Query(const QString& head, bool sum, const QString& selection, const QString* code,
                               bool isArea) const
{
    const auto aggregate = [sum](const QString& function, const QString& expression) {
        return sum ? function + QLatin1Char('(') + expression + QLatin1Char(')') : expression;
    };
    const QStringList joined = JoinedTables();
    QString sql = head;
    for (std::size_t i = 0; i < indexs_.size(); ++i) {
        const TallixIndex& index = *indexs_[i];
        const QString value = IsRegister(index.Tablename)
                                  ? QualifiedFieldExpression(index.Tablename, index.FieldName)
                                  : JoinedName(index.Tablename, joined) + QStringLiteral(".") + SumName(static_cast<int>(i));
        sql += QStringLiteral(" ,") + aggregate(QStringLiteral("SUM"), value);
    }
    if (!indexs_.empty()) {
        QStringList found;
        for (const QString& table : joined)
            found << table + QStringLiteral(".TextValueFound");
        const QStringList registerColumns = RegisterColumns();
        if (!registerColumns.isEmpty())
            found << AnyTextTest(QStringLiteral("Base01"), registerColumns);
        sql += QStringLiteral(" ,") + aggregate(QStringLiteral("MAX"), found.join(QStringLiteral(" OR ")));
    }
    sql += QStringLiteral(" FROM Base01 ");
    for (const QString& table : joined) {
        // Each column's own expression is summed per return, so a month without one of its
        // terms adds nothing to it, as the sum over the joined returns would have it.
        QString sums;
        for (std::size_t i = 0; i < indexs_.size(); ++i)
            if (indexs_[i]->Tablename.compare(table, Qt::CaseInsensitive) == 0)
                sums += QStringLiteral(", SUM(") + QualifiedFieldExpression(table, indexs_[i]->FieldName) +
                        QStringLiteral(") AS ") + SumName(static_cast<int>(i));
        sums += QStringLiteral(", MAX(") + AnyTextTest(table, SummedColumns(table)) +
                QStringLiteral(") AS TextValueFound");
        const QString picked = !code ? table + QStringLiteral(".code IN (SELECT Base01.code FROM Base01") +
                                                   selection + UnitTypeSql() + QStringLiteral(")")
                                             : SelectedCodesSql(table, *code, isArea);
        sql += QStringLiteral(" LEFT JOIN (SELECT code") + sums + QStringLiteral(" FROM ") + table +
               QStringLiteral(" WHERE ") + picked + QStringLiteral(" AND ") + PeriodSql(table) +
               QStringLiteral(" GROUP BY code) AS ") + table + QStringLiteral(" ON Base01.code=") + table +
               QStringLiteral(".code");
    }
    return sql + selection + UnitTypeSql();
}

QString TallixCondition::SumName(int index)
{
    return QStringLiteral("c") + QString::number(index);
}

QString TallixCondition::JoinedName(const QString& table, const QStringList& joined)
{
    for (const QString& name : joined)
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return name;
    return table;
}

QString TallixCondition::TextValuesSql(const QString& code, bool isArea) const
{
    // One part per table, over the selected enterprises worked out once; a row reports the
    // first of its columns that holds text.
    const auto part = [&](const QString& table, const QStringList& columns, const QString& from) {
        QString which, value;
        for (const QString& column : columns) {
            const QString test = TextTest(table, column);
            which += QStringLiteral(" WHEN ") + test + QStringLiteral(" THEN ") + SqlText::Quoted(column);
            value += QStringLiteral(" WHEN ") + test + QStringLiteral(" THEN ") + table + QLatin1Char('.') + column;
        }
        return QStringLiteral("SELECT ") + SqlText::Quoted(table) + QStringLiteral(" AS tablename, CASE") + which +
               QStringLiteral(" END AS fieldname, ") + table + QStringLiteral(".code AS code, CASE") + value +
               QStringLiteral(" END AS value FROM ") + from + QStringLiteral(" AND (") + AnyTextTest(table, columns) +
               QStringLiteral(")");
    };
    QStringList parts;
    const QStringList registerColumns = RegisterColumns();
    if (!registerColumns.isEmpty())
        parts << part(QStringLiteral("Base01"), registerColumns,
                      QStringLiteral("Base01") + SelectionSql(code, isArea) + UnitTypeSql());
    for (const QString& table : JoinedTables())
        parts << part(table, SummedColumns(table),
                      table + QStringLiteral(" WHERE ") + table + QStringLiteral(".code IN selected AND ") +
                          PeriodSql(table));
    if (parts.isEmpty())
        return QString();
    return QStringLiteral("WITH selected AS (SELECT Base01.code FROM Base01") + SelectionSql(code, isArea) +
           UnitTypeSql() + QStringLiteral(") ") + parts.join(QStringLiteral(" UNION ALL "));
}

int TallixCondition::TextValueField() const
{
    return indexs_.empty() ? -1 : static_cast<int>(indexs_.size()) + 1;
}

QString TallixCondition::TextTest(const QString& table, const QString& column)
{
    return TypeOf(table, column) + QStringLiteral("='text'");
}

QString TallixCondition::AnyTextTest(const QString& table, const QStringList& columns)
{
    if (columns.isEmpty())
        return QStringLiteral("0");
    if (columns.size() == 1)
        return TextTest(table, columns.first());
    // The type names order blob < integer < null < real < text: the greatest is "text" exactly
    // when one of them is, and one call is quicker to prepare than a chain of tests.
    QStringList types;
    for (const QString& column : columns)
        types << TypeOf(table, column);
    return QStringLiteral("max(") + types.join(QLatin1Char(',')) + QStringLiteral(")='text'");
}

QStringList TallixCondition::RegisterColumns() const
{
    QStringList columns;
    for (const auto& index : indexs_)
        if (IsRegister(index->Tablename))
            for (const QString& column : Terms(index->FieldName))
                if (!columns.contains(column, Qt::CaseInsensitive))
                    columns << column;
    return columns;
}

QString TallixCondition::QualifiedFieldExpression(const QString& tableName, const QString& fieldName)
{
    QString expression = fieldName;
    expression.replace(QLatin1Char('+'), QStringLiteral("+") + tableName + QLatin1Char('.'));
    return tableName + QLatin1Char('.') + expression;
}

QString TallixCondition::UnitTypeSql() const
{
    const QString head = CodeHead.toUpper();
    if (head == QLatin1String("A")) {
        QString clause = QStringLiteral(" AND Base01.code LIKE 'A%'");
        if (SubType == QLatin1String("1"))
            clause += QStringLiteral(" AND Base01.travelagencytype = '1'");
        else if (SubType == QLatin1String("2"))
            clause += QStringLiteral(" AND Base01.travelagencytype = '2'");
        return clause;
    }
    if (head == QLatin1String("B")) {
        if (SubType == QLatin1String("1"))
            return QStringLiteral(" AND Base01.code LIKE 'B1%'");
        if (SubType == QLatin1String("2"))
            return QStringLiteral(" AND Base01.code NOT LIKE 'B1%' AND Base01.code LIKE 'B%'");
        return QStringLiteral(" AND Base01.code LIKE 'B%'");
    }
    if (head == QLatin1String("C"))
        return QStringLiteral(" AND Base01.code LIKE 'C%'");
    return QStringLiteral(" AND Base01.code NOT LIKE 'A%' AND Base01.code NOT LIKE 'B%'"
                          " AND Base01.code NOT LIKE 'C%' AND Base01.code NOT LIKE 'D%'");
}

QStringList TallixCondition::JoinedTables() const
{
    QStringList tables;
    for (const auto& index : indexs_) {
        if (!IsRegister(index->Tablename) && !ContainsTable(index->Tablename, tables))
            tables << index->Tablename;
    }
    return tables;
}

bool TallixCondition::ContainsTable(const QString& name, const QStringList& tables)
{
    for (const QString& table : tables)
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList TallixCondition::SummedColumns(const QString& tableName) const
{
    QStringList columns;
    for (const auto& index : indexs_) {
        if (index->Tablename.compare(tableName, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString& column : Terms(index->FieldName))
            if (!columns.contains(column, Qt::CaseInsensitive))
                columns << column;
    }
    return columns;
}

QString TallixCondition::PeriodSql(const QString& tableName) const
{
    const bool cumulative = TableStyle == 2 || TableStyle == 4;
    return QStringLiteral("YEAR(") + tableName + QStringLiteral(".TableDate)=") + QString::number(YearStat) +
           QStringLiteral(" AND MONTH(") + tableName + QStringLiteral(".TableDate)") +
           (cumulative ? QStringLiteral("<=") : QStringLiteral("=")) + QString::number(MonthStat) +
           QStringLiteral(" AND ") +
           SourcePeriod::Range(tableName + QStringLiteral(".TableDate"), YearStat, cumulative ? 0 : MonthStat);
}

QString TallixCondition::SelectedCodesSql(const QString& tableName, const QString& code, bool isArea) const
{
    // One enterprise needs no list: the outer selection already drops it when its unit type
    // does not match.
    if (!isArea)
        return tableName + QStringLiteral(".code='") + SqlText::Escape(code) + QStringLiteral("'");
    return tableName + QStringLiteral(".code IN (SELECT Base01.code FROM Base01") + SelectionSql(code, isArea) +
           UnitTypeSql() + QStringLiteral(")");
}

QString TallixCondition::SelectionSql(const QString& code, bool isArea)
{
    if (isArea)
        return QStringLiteral(" WHERE Base01.regionalismcode like '") +
               SqlText::Escape(RegionCode::Prefix(code)) + QStringLiteral("%'");
    return QStringLiteral(" WHERE Base01.code='") + SqlText::Escape(code) + QStringLiteral("'");
}
