#include "CliNotice.h"

#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace CliNotice {

void Print(const QStringList& notices)
{
    QTextStream err(stderr);
    for (const QString& notice : notices)
        err << notice << '\n';
}

void PrintRepeated(const QStringList& codes, const QString& sentence)
{
    QSet<QString> seen;
    QStringList repeated;
    for (const QString& code : codes) {
        const QString c = code.trimmed();
        if (seen.contains(c))
            repeated << sentence + QStringLiteral("：") + c;
        seen.insert(c);
    }
    Print(repeated);
}

} // namespace CliNotice
