#include "FieldNames.h"

#include "ImportError.h"

namespace {

bool IsNullFlags(const XbaseField& field)
{
    return field.Type == '0' || field.Name.compare(QLatin1String("_NullFlags"), Qt::CaseInsensitive) == 0;
}

// The ten characters a table keeps of a long name: its first ten, or where two such cuts
// collide its first nine and a digit, or first eight and two digits.
bool IsCutOf(const QString& shortName, const QString& longName)
{
    if (shortName.compare(longName.left(10), Qt::CaseInsensitive) == 0)
        return true;
    if (shortName.size() != 10 || longName.size() < 10)
        return false;
    for (const qsizetype digits : {1, 2}) {
        const qsizetype kept = 10 - digits;
        bool numbered = true;
        for (qsizetype i = kept; i < 10; ++i)
            numbered = numbered && shortName[i].isDigit() && shortName[i].unicode() < 0x80;
        if (numbered && shortName.left(kept).compare(longName.left(kept), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

namespace FieldNames {

QStringList FromContainer(const QString& table, const std::vector<XbaseField>& fields, const QStringList& longNames)
{
    QStringList names;
    qsizetype next = 0;
    for (const XbaseField& field : fields) {
        if (IsNullFlags(field)) {
            names << QString();
            continue;
        }
        if (next == longNames.size())
            throw ImportError::InRecord(table, 0, field.Name,
                                        QStringLiteral("数据库容器中这张表只有 %1 个字段，没有这个字段的全名").arg(longNames.size()));
        const QString& name = longNames[next++];
        if (!IsCutOf(field.Name, name))
            throw ImportError::InRecord(table, 0, field.Name,
                                        QStringLiteral("与数据库容器中同一位置的字段全名 %1 不符").arg(name));
        names << name;
    }
    if (next < longNames.size())
        throw ImportError::InRecord(table, 0, QString(),
                                    QStringLiteral("数据库容器中这张表有 %1 个字段，表中只有 %2 个")
                                        .arg(longNames.size())
                                        .arg(next));
    return names;
}

QStringList ForFreeTable(const QString& table, const std::vector<XbaseField>& fields, const QStringList& columns)
{
    QStringList names;
    for (const XbaseField& field : fields) {
        if (IsNullFlags(field)) {
            names << QString();
            continue;
        }
        QString found;
        for (const QString& column : columns) {
            if (column.left(10).compare(field.Name, Qt::CaseInsensitive) != 0)
                continue;
            if (!found.isEmpty())
                throw ImportError::InRecord(table, 0, field.Name,
                                            QStringLiteral("字段名可指 %1 或 %2，无法确定").arg(found, column));
            found = column;
        }
        names << (found.isEmpty() ? field.Name : found);
    }
    return names;
}

} // namespace FieldNames
