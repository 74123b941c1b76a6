#pragma once

#include <QList>
#include <QString>
#include <optional>

// The regions of the source database's Area table and the enterprises registered under them:
// where every window and command turns a typed region key into a region. Each look-up opens
// the source set of Connection and closes it again.
namespace RegionDirectory {

struct Entry
{
    QString Code;
    QString Name;
};

// The region code a typed key stands for (43 -> 430000, blanks around allowed); nullopt when
// the key is no region number.
std::optional<QString> CodeOf(const QString& key);

// The trimmed Areaname of a region code; nullopt when Area has no such code.
std::optional<QString> Name(const QString& code);

// Every enterprise whose regionalismcode begins with the prefix of the region code, in the
// order the register returns them (code and unit name as stored); with a unit clause on
// Base01 (TallixCondition::UnitTypeSql), only those it admits.
QList<Entry> EnterprisesOf(const QString& code, const QString& unitClause = QString());

// The trimmed unit name of an enterprise code (trimmed before the look-up); nullopt when the
// register has no such code.
std::optional<QString> EnterpriseName(const QString& code);

} // namespace RegionDirectory
