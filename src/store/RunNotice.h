#pragma once

#include <QString>
#include <QStringList>

// Why the sheet of a finished run is empty, in the words shown beside "计算完成". The runs
// still happen and write their reports; these sentences only tell the clerk what was missing.
namespace RunNotice {

inline const QString NoRegions = QStringLiteral("没有选择地区，报表只有合计行");
inline const QString NoEnterprises = QStringLiteral("没有选择企业，报表只有合计行");
inline const QString NoItems = QStringLiteral("没有选择台帐项目");
// "所选期间（2019年12月）没有任何报表数据"
QString EmptyPeriod(int year, int month);

struct Run
{
    int Year = 0;
    int Month = 0; // 0: the whole year
    int Rows = 0;  // regions or enterprises
    bool Enterprises = false;
    int Items = -1; // the ledger's columns; -1 elsewhere
};

// The sentences for a run, in this order: no rows, no items, a period without returns.
// Looks into the source database; throws DatabaseError.
QStringList Of(const Run& run);

// Whether any return table of the source holds a return of the period.
bool SourceHasReturns(int year, int month);

// What the hotel and annual runs say when they are done (the ledger says "计算完成！").
inline const QString DoneMessage = QStringLiteral("计算完成");

// "计算完成" (or the ledger's "计算完成！") followed by the sentences, one a line.
QString Done(const QString& done, const QStringList& notices);

// The note that a region or enterprise already stands in the list.
inline const QString RegionListedTwice = QStringLiteral("该地区已在列表中");
inline const QString EnterpriseListedTwice = QStringLiteral("该企业已在列表中");

} // namespace RunNotice
