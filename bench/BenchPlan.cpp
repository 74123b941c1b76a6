#include "BenchPlan.h"

#include "Connection.h"
#include "TallixCondition.h"

#include <algorithm>

namespace {

QStringList FirstColumn(const QString& sql)
{
    Connection::OpenStatConnection();
    QStringList values;
    try {
        Connection::StatCmd->CommandText = sql;
        Connection::StatRs->Open(*Connection::StatCmd);
        if (Connection::StatRs->RecordCount() > 0)
            for (Connection::StatRs->MoveFirst(); !Connection::StatRs->IsEOF();
                 Connection::StatRs->MoveNext())
                values << Connection::StatRs->Value(0).toString().trimmed();
    } catch (...) {
        Connection::CloseStatConnection();
        throw;
    }
    Connection::CloseStatConnection();
    return values;
}

} // namespace

const BenchPlan::Column BenchPlan::LedgerColumns[8] = {
    {"Base05", "InTourist"},         {"Base05", "InTouristDay"},
    {"Base05", "HKer+Macaoer+TWer"}, {"Base05", "RoomIncome+RestaurantIncome+OtherIncome"},
    {"Base05", "RealRoomDay"},       {"Base06", "OperationIncome"},
    {"Base06", "ProfitTotal"},       {"Base06", "YearendEmployment"},
};

BenchPlan BenchPlan::Load()
{
    BenchPlan plan;
    plan.Regions = FirstColumn(QStringLiteral("SELECT Areacode FROM Area WHERE Areacode LIKE '____00' "
                                              "ORDER BY Areacode"));
    plan.AllRegions = FirstColumn(QStringLiteral("SELECT Areacode FROM Area ORDER BY Areacode"));
    const QStringList hotels =
        FirstColumn(QStringLiteral("SELECT code FROM Base01 WHERE code LIKE 'B1%' ORDER BY code"));
    // Every n-th hotel, so that the enterprises lie in every province.
    const qsizetype step = std::max<qsizetype>(1, hotels.size() / EnterpriseCount);
    for (qsizetype i = 0; i < hotels.size() && plan.Enterprises.size() < EnterpriseCount; i += step)
        plan.Enterprises << hotels[i];
    return plan;
}

void BenchPlan::FillLedgerCondition(TallixCondition& condition, std::int16_t tableStyle) const
{
    condition.YearStat = Year;
    condition.MonthStat = Month;
    condition.CodeHead = QStringLiteral("B");
    condition.SubType = QString();
    condition.TableStyle = tableStyle;
    condition.SetCustomIndexs(LedgerIndexs());
}

TallixIndexList BenchPlan::LedgerIndexs()
{
    TallixIndexList indexs;
    for (const Column& column : LedgerColumns) {
        auto index = std::make_shared<TallixIndex>();
        index->Tablename = QString::fromLatin1(column.Table);
        index->FieldName = QString::fromLatin1(column.Field);
        indexs.push_back(std::move(index));
    }
    return indexs;
}
