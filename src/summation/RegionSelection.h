#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class SqlValue;

// The regions of one run, in the user's order, and which of them a register's region code
// falls in: the engine's test "regionalismcode like '<prefix>%'" made once per record for
// all regions together, so one scan serves any number of regions.
class RegionSelection
{
public:
    explicit RegionSelection(const QStringList& codes);

    int Count() const { return static_cast<int>(prefixes_.size()); }

    // The positions of the regions whose prefix the value matches as LIKE would (ASCII case
    // folded, "_" one character, "%" any run; NULL matches nothing), in ascending order.
    // The list is reused by the next call.
    const std::vector<int>& Matching(const SqlValue& regionalismcode);

    // The region test of a statement over all regions: "<column> like 'P%'" for each distinct
    // prefix that no other one contains, joined by OR in parentheses; empty where a scan of
    // every enterprise is cheaper (many prefixes, or an empty one, which selects all).
    QString Clause(const QString& column) const;

    static constexpr int MostPrefixesInClause = 24;

private:
    static bool Like(const QString& value, const QString& prefix);

    std::vector<QString> prefixes_;
    // Prefixes without wildcards, folded to upper case, and the positions that have them.
    QHash<QString, std::vector<int>> plain_;
    std::vector<int> plainLengths_;
    std::vector<int> wildcards_;
    std::vector<int> matching_;
};
