#pragma once

#include "RegionDirectory.h"

#include <QList>
#include <QString>

// The ledger's look-up of a region's enterprises, with the message that says why there are none.
namespace TallixLookup {

using Entry = RegionDirectory::Entry;

// The enterprises of a region the unit clause on Base01 admits (RegionDirectory::EnterprisesOf);
// where there are none, *refusal gets the message that says why: no such region, or none of
// the unit type named by its caption.
QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause, const QString& unitCaption,
                                 QString* refusal);

} // namespace TallixLookup
