#include "ResultTables.h"

#include "Connection.h"
#include "DatabaseError.h"
#include "DbConnection.h"
#include "ResultRow.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <vector>

namespace ResultTables {

namespace {

class Transaction;
Transaction* current = nullptr;

// Values are bound by name: Qt writes out a name for every value bound by position, which
// took a third of the time a report needed to write.
const QString& Placeholder(int position)
{
    static std::vector<QString> names;
    while (static_cast<int>(names.size()) <= position)
        names.push_back(QStringLiteral(":v%1").arg(names.size()));
    return names[static_cast<std::size_t>(position)];
}

// The open transaction of Replace: one prepared INSERT per column list, so a report of
// thousands of lines costs no statement text to parse per line. Left without Commit, it
// rolls back; a rollback that fails itself changes nothing worth reporting over the first
// failure.
class Transaction
{
public:
    explicit Transaction(DbConnection& connection) : connection_(connection)
    {
        connection_.Execute(QStringLiteral("BEGIN IMMEDIATE"));
        current = this;
    }
    ~Transaction()
    {
        current = nullptr;
        statements_.clear();
        if (!committed_) {
            try {
                connection_.Execute(QStringLiteral("ROLLBACK"));
            } catch (const DatabaseError&) {
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Insert(const ResultRow& row, const QString& tablecode)
    {
        const QStringList& values = row.Values();
        const int count = static_cast<int>(values.size()) + (tablecode.isEmpty() ? 0 : 1);
        // The column list fixes the number of values: it alone picks the statement.
        auto it = statements_.find(row.Header());
        if (it == statements_.end()) {
            QStringList placeholders;
            for (int i = 0; i < count; ++i)
                placeholders << Placeholder(i);
            auto query = std::make_shared<QSqlQuery>(connection_.Database());
            const QString sql =
                row.Header() + QStringLiteral(" values (") + placeholders.join(QLatin1Char(',')) + QLatin1Char(')');
            if (!query->prepare(sql))
                throw DatabaseError(sql, query->lastError().text());
            it = statements_.insert(row.Header(), query);
        }
        QSqlQuery& query = **it;
        // An empty value is stored as the empty text the statement's '' would give, not NULL.
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(Placeholder(static_cast<int>(i)), values[i].isNull() ? QStringLiteral("") : values[i]);
        if (!tablecode.isEmpty())
            query.bindValue(Placeholder(count - 1), tablecode);
        if (!query.exec())
            throw DatabaseError(row.Statement(tablecode), query.lastError().text());
    }

    void Execute(const QString& sql) { connection_.Execute(sql); }

    void Commit()
    {
        statements_.clear();
        connection_.Execute(QStringLiteral("COMMIT"));
        committed_ = true;
    }

private:
    DbConnection& connection_;
    QHash<QString, std::shared_ptr<QSqlQuery>> statements_;
    bool committed_ = false;
};

} // namespace

void Execute(const QString& sql)
{
    if (current)
        current->Execute(sql);
    else
        Connection::ExecuteTallixSql(sql);
}

void Replace(const std::function<void()>& write)
{
    DbConnection connection;
    connection.WriteAheadLog = true;
    connection.Open(Connection::TallixConnectionString());
    const Connection::AreaNameCache names;
    Transaction transaction(connection);
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"})
        connection.Execute(QStringLiteral("Delete from ") + QLatin1String(table));
    write();
    transaction.Commit();
}

void Insert(const ResultRow& row, const QString& tablecode)
{
    if (current)
        current->Insert(row, tablecode);
    else
        Connection::ExecuteTallixSql(row.Statement(tablecode));
}

} // namespace ResultTables
