#include "TallixLookup.h"

#include "TallixInput.h"

namespace TallixLookup {

QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause, const QString& unitCaption,
                                 QString* refusal)
{
    const QList<Entry> entries = RegionDirectory::EnterprisesOf(code, unitClause);
    if (entries.isEmpty())
        *refusal = RegionDirectory::EnterprisesOf(code).isEmpty()
                       ? TallixInput::NoRegionMessage
                       : TallixInput::NoEnterpriseOfUnitMessage.arg(unitCaption);
    return entries;
}

} // namespace TallixLookup
