#include "RunNotice.h"

#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "ReportRun.h"
#include "SourcePeriod.h"

namespace RunNotice {

QString EmptyPeriod(int year, int month)
{
    return QStringLiteral("所选期间（") + ReportRun::PeriodText(year, month) + QStringLiteral("）没有任何报表数据");
}

bool SourceHasReturns(int year, int month)
{
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    for (const char* table : {"Base04", "Base05", "Base06", "Base08", "Base09"}) {
        const QString t = QLatin1String(table);
        QString sql = QStringLiteral("SELECT 1 FROM ") + t + QStringLiteral(" WHERE ") +
                      SourcePeriod::Range(t + QStringLiteral(".TableDate"), year, month) +
                      QStringLiteral(" AND YEAR(TableDate) = ") + QString::number(year);
        if (month > 0)
            sql += QStringLiteral(" AND MONTH(TableDate) = ") + QString::number(month);
        Recordset rs;
        rs.Open(sql + QStringLiteral(" LIMIT 1"), connection);
        rs.MoveFirst();
        if (!rs.IsEOF())
            return true;
    }
    return false;
}

QStringList Of(const Run& run)
{
    QStringList notices;
    if (run.Rows == 0)
        notices << (run.Enterprises ? NoEnterprises : NoRegions);
    if (run.Items == 0)
        notices << NoItems;
    if (!SourceHasReturns(run.Year, run.Month))
        notices << EmptyPeriod(run.Year, run.Month);
    return notices;
}

QString Done(const QString& done, const QStringList& notices)
{
    return notices.isEmpty() ? done : done + QLatin1Char('\n') + notices.join(QLatin1Char('\n'));
}

} // namespace RunNotice
