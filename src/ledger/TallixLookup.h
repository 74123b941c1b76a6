#pragma once

#include <QList>
#include <QString>
#include <optional>

// The source-database look-ups by which the ledger's region and enterprise lists are filled.
// Each opens the source set of Connection and closes it again.
namespace TallixLookup {

struct Entry
{
    QString Code;
    QString Name;
};

// The trimmed Areaname of a six-digit region code; nullopt when Area has no such code.
std::optional<QString> RegionName(const QString& code);

// Every enterprise whose regionalismcode begins with the prefix of the region code, in the
// order the register returns them (code and unit name as stored).
QList<Entry> EnterprisesOfRegion(const QString& code);
// The same, only those the unit clause on Base01 admits (TallixCondition::UnitTypeSql).
QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause);
// The same; where there are none, *refusal gets the message that says why: no such region,
// or none of the unit type named by its caption.
QList<Entry> EnterprisesOfRegion(const QString& code, const QString& unitClause, const QString& unitCaption,
                                 QString* refusal);

// The trimmed unit name of an enterprise code (trimmed before the look-up); nullopt when the
// register has no such code.
std::optional<QString> EnterpriseName(const QString& code);

} // namespace TallixLookup
