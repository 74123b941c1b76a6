#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The saved region sets of the annual report: one namesave row per set, one addsave row per
// region (code followed by one blank, name, set name, year text). Every procedure runs on the
// working set, which the caller opens before and closes after the user action.
class TourUnitRegionSets
{
public:
    struct Region
    {
        QString Code;
        QString Name;
    };

    struct StoredRegion
    {
        QString Code; // trimmed: the blank stored after it is no part of the code
        QString Name;
        QString Year;
    };

    // The names of all sets, trimmed, as many as the count of namesave rows says.
    static QStringList Names();

    // Stores the regions under the name, replacing the regions of a set of that name.
    // True when the name is new.
    static bool Save(const QString& name, const QList<Region>& regions, const QString& year);

    // The regions of a set in stored order; empty for an unknown name.
    static QList<StoredRegion> Open(const QString& name);

    static void Delete(const QString& name);
};
