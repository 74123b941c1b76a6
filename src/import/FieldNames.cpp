#include "FieldNames.h"

#include "ImportError.h"

namespace {

bool IsNullFlags(const XbaseField& field)
{
    return field.Type == '0' || field.Name.compare(QLatin1String("_NullFlags"), Qt::CaseInsensitive) == 0;
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
        while (next < longNames.size() && !longNames[next].startsWith(field.Name, Qt::CaseInsensitive))
            ++next;
        if (next == longNames.size())
            throw ImportError::InRecord(table, 0, field.Name, QStringLiteral("数据库容器中没有这个字段的全名"));
        names << longNames[next++];
    }
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
