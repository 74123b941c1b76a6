#include "SourceSchema.h"

#include "Schema.h"

#include <QHash>
#include <QRegularExpression>

namespace SourceSchema {

namespace {

// Table (lower case) -> its column names (lower case), read once from the schema script.
const QHash<QString, QStringList>& Columns()
{
    static const QHash<QString, QStringList> columns = [] {
        QHash<QString, QStringList> tables;
        static const QRegularExpression create(QStringLiteral(R"(^\s*CREATE\s+TABLE\s+(\w+)\s*\((.*)\)\s*$)"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression name(QStringLiteral(R"(^\s*(\w+))"));
        for (const QString& statement : Schema::Statements(Schema::SourceDatabaseScript())) {
            const auto table = create.match(statement);
            if (!table.hasMatch())
                continue;
            QStringList names;
            for (const QString& definition : table.captured(2).split(QLatin1Char(','))) {
                const auto column = name.match(definition);
                if (column.hasMatch())
                    names << column.captured(1).toLower();
            }
            tables.insert(table.captured(1).toLower(), names);
        }
        return tables;
    }();
    return columns;
}

} // namespace

QString TableOf(const QString& column, const QStringList& candidates)
{
    for (const QString& table : candidates)
        if (Columns().value(table.toLower()).contains(column.toLower()))
            return table;
    return candidates.value(0);
}

DatabaseError MissingColumn(const QString& column, const QStringList& candidates, const QString& statement)
{
    return DatabaseError(statement, QStringLiteral("源数据库的表 ") + TableOf(column, candidates) +
                                        QStringLiteral(" 缺少字段 ") + column);
}

DatabaseError Explained(const DatabaseError& error)
{
    static const QRegularExpression missing(QStringLiteral(R"(no such column:\s*([\w.]+))"));
    const auto match = missing.match(error.Message());
    if (!match.hasMatch())
        return error;
    const QString name = match.captured(1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        return MissingColumn(name.mid(dot + 1), {name.left(dot)}, error.Statement());
    // A bare name is resolved against the FROM that follows it: a table the schema gives no
    // such column is the one at fault, not another table of the statement that has it.
    const QRegularExpression bare(
        QStringLiteral(R"((?<![\w.])%1(?!\w)[\s\S]*?\bFROM\s+"?(\w+))").arg(QRegularExpression::escape(name)),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto from = bare.match(error.Statement()); from.hasMatch()) {
        const QString table = from.captured(1);
        if (Columns().contains(table.toLower()) && !Columns().value(table.toLower()).contains(name.toLower()))
            return MissingColumn(name, {table}, error.Statement());
    }
    QStringList candidates;
    for (const char* table : {"Base05", "Base01", "Base06", "Base04", "Base08", "Base09"})
        if (error.Statement().contains(QLatin1String(table), Qt::CaseInsensitive))
            candidates << QLatin1String(table);
    return MissingColumn(name, candidates, error.Statement());
}

} // namespace SourceSchema
