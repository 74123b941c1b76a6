#pragma once

#include "TallixIndex.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// Everything one ledger run needs besides the region or enterprise: the period, the unit
// type, the comparison mode and the columns. It builds the one query the ledger pass runs.
class TallixCondition
{
public:
    std::int16_t YearStat = 0;
    std::int16_t MonthStat = 0;
    QString CodeHead; // "A" agencies, "B" accommodation, "C" scenic areas, anything else the rest
    QString SubType;  // "1", "2" or empty; read for "A" and "B" only
    // 1 current period, 2 cumulative, 3 same-period comparison, 4 cumulative comparison.
    std::int16_t TableStyle = 0;

    // The list itself is kept: its column objects stay shared with the caller.
    void SetCustomIndexs(TallixIndexList indexs) { indexs_ = std::move(indexs); }
    TallixIndexList CustomIndexs() const { return indexs_; }

    // The ledger query for one region (isArea) or one enterprise. Field 0 is the constant 1,
    // field i+1 column i; with columns, one more field (TextValueField) is 1 where a summed
    // figure is a text. Each return table is summed per enterprise over the period before
    // it meets the register, each column's expression per return, so no return is counted
    // twice and a register field counts once per enterprise:
    //   SELECT 1 ,SUM(Base04.c0) ,SUM(Base01.Rooms) ,MAX(Base04.TextValueFound OR
    //   typeof(Base01.Rooms)='text') FROM Base01  LEFT JOIN (SELECT code,
    //   SUM(Base04.f1+Base04.f2) AS c0, MAX(max(typeof(Base04.f1),typeof(Base04.f2))='text')
    //   AS TextValueFound FROM Base04 WHERE Base04.code IN (SELECT Base01.code FROM Base01
    //   WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%') AND
    //   YEAR(Base04.TableDate)=2005 AND MONTH(Base04.TableDate)<=3 AND <the same period as
    //   a range of dates> GROUP BY code) AS Base04 ON Base01.code=Base04.code
    //   WHERE Base01.regionalismcode like '11%' AND Base01.code LIKE 'C%'
    // By enterprise the columns are not wrapped in SUM, the selection is
    // " WHERE Base01.code='<code>'" and a return table picks "Base04.code='<code>'"; the
    // current-period modes test MONTH(...)=M.
    QString CustomIndexsSql(const QString& code, bool isArea) const;

    // The unit type's clause on the register (" AND Base01.code LIKE 'C%'"), which the
    // enterprise look-up by region shares.
    QString UnitTypeSql() const;

    // The query of a whole run: one row per enterprise of the selection (" WHERE ..." over
    // Base01, before the unit type), fields code, regionalismcode, then the columns and the
    // text flag as in CustomIndexsSql by enterprise (the flag at TextValueField() + 1).
    QString RowsSql(const QString& selection) const;

    // The field of CustomIndexsSql that tells of text values; -1 without columns.
    int TextValueField() const;

    // The text values among the figures CustomIndexsSql would sum, for the same enterprises
    // and period: one row (tablename, fieldname, code, value) per row holding one, naming its
    // first such column. SQL's SUM would quietly take an unreadable text as 0, so where
    // CustomIndexsSql found text the pass looks at these. Empty without columns.
    QString TextValuesSql(const QString& code, bool isArea) const;

private:
    // Without a code the return tables pick the enterprises of the whole selection.
    QString Query(const QString& head, bool sum, const QString& selection, const QString* code, bool isArea) const;
    static QString SumName(int index);
    static QString JoinedName(const QString& table, const QStringList& joined);
    static QString QualifiedFieldExpression(const QString& tableName, const QString& fieldName);
    static QString TextTest(const QString& table, const QString& column);
    static QString AnyTextTest(const QString& table, const QStringList& columns);
    QStringList RegisterColumns() const;
    // The return tables to join, in order of first appearance and spelled as first written.
    QStringList JoinedTables() const;
    static bool ContainsTable(const QString& name, const QStringList& tables);

    // The distinct column names the columns of one table name, in order of first appearance.
    QStringList SummedColumns(const QString& tableName) const;
    QString PeriodSql(const QString& tableName) const;
    // "<table>.code IN (SELECT Base01.code FROM Base01 <selection><unit type>)": a return table
    // is summed for the selected enterprises only, not for the whole country.
    QString SelectedCodesSql(const QString& tableName, const QString& code, bool isArea) const;
    static QString SelectionSql(const QString& code, bool isArea);

    TallixIndexList indexs_;
};
