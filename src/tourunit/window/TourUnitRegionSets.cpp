#include "TourUnitRegionSets.h"

#include "Connection.h"
#include "Numeric.h"
#include "SavedSets.h"
#include "SqlText.h"

using Connection::TallixRs;

namespace {

using SavedSets::Execute;
using SavedSets::Query;

} // namespace

QStringList TourUnitRegionSets::Names()
{
    Query(QStringLiteral("SELECT count(*) FROM nameSave"));
    const int count = Numeric::ToInt16(TallixRs->Value(0));

    QStringList names;
    Query(QStringLiteral("SELECT savename FROM nameSave"));
    if (TallixRs->RecordCount() == 0)
        return names;
    TallixRs->MoveFirst();
    for (int i = 0; i < count && !TallixRs->IsEOF(); ++i) {
        names << TallixRs->Value(0).toString().trimmed();
        TallixRs->MoveNext();
    }
    return names;
}

bool TourUnitRegionSets::Save(const QString& name, const QList<Region>& regions, const QString& year)
{
    const QString n = SqlText::Escape(name);
    Query(QStringLiteral("SELECT * FROM nameSave WHERE savename='") + n + QStringLiteral("'"));
    const bool isNew = TallixRs->RecordCount() == 0;
    SavedSets::Write([&] {
        if (isNew)
            Execute(QStringLiteral("INSERT into nameSave values('") + n + QStringLiteral("')"));
        else
            Execute(QStringLiteral("DELETE  FROM addSave WHERE savename='") + n + QStringLiteral("'"));

        for (const Region& region : regions)
            Execute(QStringLiteral("INSERT into addSave values('") + SqlText::Escape(region.Code) +
                    QStringLiteral(" ','") + SqlText::Escape(region.Name) + QStringLiteral("','") + n +
                    QStringLiteral("','") + SqlText::Escape(year) + QStringLiteral("')"));
    });
    return isNew;
}

QList<TourUnitRegionSets::StoredRegion> TourUnitRegionSets::Open(const QString& name)
{
    const QString n = SqlText::Escape(name);
    Query(QStringLiteral("SELECT count(savename) FROM addSave WHERE savename = '") + n + QStringLiteral("'"));
    const int count = Numeric::ToInt32(TallixRs->Value(0));

    QList<StoredRegion> regions;
    Query(QStringLiteral("SELECT *  FROM addSave WHERE savename = '") + n + QStringLiteral("'"));
    if (TallixRs->RecordCount() == 0)
        return regions;
    TallixRs->MoveFirst();
    for (int i = 0; i < count && !TallixRs->IsEOF(); ++i) {
        regions << StoredRegion{TallixRs->Value(0).toString().trimmed(), TallixRs->Value(1).toString(),
                                TallixRs->Value(3).toString()};
        TallixRs->MoveNext();
    }
    return regions;
}

void TourUnitRegionSets::Delete(const QString& name)
{
    const QString n = SqlText::Escape(name);
    SavedSets::Write([&] {
        Execute(QStringLiteral("DELETE FROM namesave WHERE savename='") + n + QStringLiteral("'"));
        Execute(QStringLiteral("DELETE FROM  addsave WHERE savename='") + n + QStringLiteral("'"));
    });
}
