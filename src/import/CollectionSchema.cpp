#include "CollectionSchema.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "SqlFunctions.h"

#include <sqlite3.h>

namespace {

QStringList Rows(sqlite3* db, const QString& sql, int column)
{
    sqlite3_stmt* statement = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw DatabaseError(sql, QString::fromUtf8(sqlite3_errmsg(db)));
    while (sqlite3_step(statement) == SQLITE_ROW)
        rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    sqlite3_finalize(statement);
    return rows;
}

} // namespace

const CollectionSchema& CollectionSchema::Get()
{
    static const CollectionSchema schema;
    return schema;
}

CollectionSchema::CollectionSchema()
{
    // The script itself, run on a database in memory, says what it defines.
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    try {
        SqlFunctions::Register(db);
        for (const QString& statement : Schema::Statements(Schema::SourceDatabaseScript()))
            if (sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                throw DatabaseError(statement, QString::fromUtf8(sqlite3_errmsg(db)));
        const QStringList names = Rows(db,
                                       QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND "
                                                      "name NOT LIKE 'sqlite%' ORDER BY rowid"),
                                       0);
        for (const QString& name : names) {
            Table table{name, {}, {}};
            const QStringList columns = Rows(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(name), 1);
            const QStringList types = Rows(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(name), 2);
            for (qsizetype i = 0; i < columns.size(); ++i) {
                const QString type = types[i].toUpper();
                const Kind kind = type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT"))
                                      ? Kind::Text
                                  : type.contains(QLatin1String("DATE")) ? Kind::Date
                                                                         : Kind::Number;
                table.Columns.push_back({columns[i], kind});
            }
            table.Indexes =
                Rows(db,
                     QStringLiteral("SELECT sql FROM sqlite_schema WHERE type='index' AND tbl_name='%1'"
                                    " AND sql IS NOT NULL ORDER BY rowid")
                         .arg(name),
                     0);
            tables_.push_back(std::move(table));
        }
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

const CollectionSchema::Table* CollectionSchema::Find(const QString& name) const
{
    for (const Table& table : tables_)
        if (table.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    return nullptr;
}

QString CollectionSchema::Declaration(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return QStringLiteral("TEXT COLLATE RTRIM");
    case Kind::Date:
        return QStringLiteral("DATE");
    case Kind::Number:
        break;
    }
    return QStringLiteral("REAL");
}
