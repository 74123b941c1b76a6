#include "RegionSelection.h"

#include "RegionCode.h"
#include "SqlText.h"
#include "SqlValue.h"

#include <QSet>
#include <algorithm>

namespace {

QChar Folded(QChar c)
{
    return c.unicode() >= 'a' && c.unicode() <= 'z' ? QChar(c.unicode() - 'a' + 'A') : c;
}

QString Folded(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        folded[i] = Folded(text[i]);
    return folded;
}

bool HasWildcard(const QString& prefix)
{
    return prefix.contains(QLatin1Char('%')) || prefix.contains(QLatin1Char('_'));
}

} // namespace

RegionSelection::RegionSelection(const QStringList& codes)
{
    for (const QString& code : codes) {
        const int position = static_cast<int>(prefixes_.size());
        const QString prefix = RegionCode::Prefix(code);
        prefixes_.push_back(prefix);
        if (HasWildcard(prefix)) {
            wildcards_.push_back(position);
            continue;
        }
        plain_[Folded(prefix)].push_back(position);
        if (std::find(plainLengths_.begin(), plainLengths_.end(), prefix.size()) == plainLengths_.end())
            plainLengths_.push_back(static_cast<int>(prefix.size()));
    }
}

const std::vector<int>& RegionSelection::Matching(const SqlValue& regionalismcode)
{
    matching_.clear();
    if (regionalismcode.isNull())
        return matching_;
    const QString value = regionalismcode.toString();
    for (const int length : plainLengths_) {
        if (value.size() < length)
            continue;
        const auto it = plain_.constFind(Folded(QStringView(value).left(length)));
        if (it != plain_.constEnd())
            matching_.insert(matching_.end(), it->begin(), it->end());
    }
    for (const int position : wildcards_)
        if (Like(value, prefixes_[position]))
            matching_.push_back(position);
    std::sort(matching_.begin(), matching_.end());
    return matching_;
}

bool RegionSelection::Like(const QString& value, const QString& prefix)
{
    // The pattern is the prefix followed by "%": match the prefix against the start of the
    // value, trying every length a "%" inside it may take.
    const auto match = [&](auto&& self, qsizetype p, qsizetype v) -> bool {
        if (p == prefix.size())
            return true;
        const QChar c = prefix[p];
        if (c == QLatin1Char('%')) {
            for (qsizetype skip = v; skip <= value.size(); ++skip)
                if (self(self, p + 1, skip))
                    return true;
            return false;
        }
        if (v == value.size())
            return false;
        if (c != QLatin1Char('_') && Folded(c) != Folded(value[v]))
            return false;
        return self(self, p + 1, v + 1);
    };
    return match(match, 0, 0);
}

QString RegionSelection::Clause(const QString& column) const
{
    // A prefix another selected prefix begins adds nothing to the test: a look-up of each of
    // its shorter beginnings, not a comparison with every other prefix.
    QSet<QString> plain;
    for (const QString& prefix : prefixes_) {
        if (prefix.isEmpty())
            return QString();
        if (!HasWildcard(prefix))
            plain.insert(Folded(prefix));
    }
    QStringList kept;
    QSet<QString> seen;
    for (const QString& prefix : prefixes_) {
        const QString folded = Folded(prefix);
        bool covered = false;
        for (qsizetype length = 1; length < folded.size() && !covered; ++length)
            covered = plain.contains(folded.left(length));
        if (covered || seen.contains(folded))
            continue;
        seen.insert(folded);
        kept << prefix;
        if (kept.size() > MostPrefixesInClause)
            return QString(); // a scan of every enterprise is cheaper
    }
    if (kept.isEmpty())
        return QString();
    QStringList tests;
    for (const QString& prefix : kept)
        tests << column + QStringLiteral(" like '") + SqlText::Escape(prefix) + QStringLiteral("%'");
    return tests.size() == 1 ? tests.first() : QLatin1Char('(') + tests.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}
