#include "Recordset.h"

#include "Command.h"
#include "DatabaseError.h"
#include "DbConnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <sqlite3.h>

void Recordset::Open(const Command& command)
{
    if (!command.ActiveConnection)
        throw DatabaseError(command.CommandText, QStringLiteral("命令没有连接"));
    Open(command.CommandText, *command.ActiveConnection);
}

struct Recordset::ForwardState
{
    explicit ForwardState(const QSqlDatabase& database) : query(database) {}
    QSqlQuery query;
    // The driver's statement: the driver runs it and closes it, the rows are read from it.
    sqlite3_stmt* statement = nullptr;
    bool onRow = false;
    bool moved = false;
};

namespace {

sqlite3_stmt* StatementOf(const QSqlQuery& query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0)
        return *static_cast<sqlite3_stmt* const*>(handle.constData());
    return nullptr;
}

// Steps to the next row; false at the end. The driver has already stepped onto the first.
bool Step(sqlite3_stmt* statement, const QString& sql)
{
    const int status = sqlite3_step(statement);
    if (status == SQLITE_ROW)
        return true;
    if (status == SQLITE_DONE)
        return false;
    throw DatabaseError(sql, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))));
}

// The current row as the engine stores each value; text stays where the engine keeps it.
void ReadRow(sqlite3_stmt* statement, SqlValue* cells, int columns)
{
    for (int i = 0; i < columns; ++i) {
        switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER:
            cells[i] = SqlValue::Integer(sqlite3_column_int64(statement, i));
            break;
        case SQLITE_FLOAT:
            cells[i] = SqlValue::Real(sqlite3_column_double(statement, i));
            break;
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            cells[i] = SqlValue::Text(text, sqlite3_column_bytes(statement, i));
            break;
        }
        case SQLITE_BLOB: {
            const void* blob = sqlite3_column_blob(statement, i);
            cells[i] = SqlValue::Blob(blob, sqlite3_column_bytes(statement, i));
            break;
        }
        default:
            cells[i] = SqlValue();
            break;
        }
    }
}

} // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString& sql, DbConnection& connection, Cursor cursor)
{
    Close();
    auto state = std::make_unique<ForwardState>(connection.Database());
    QSqlQuery& query = state->query;
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw DatabaseError(sql, query.lastError().text());
    state->statement = StatementOf(query);
    if (!state->statement)
        throw DatabaseError(sql, QStringLiteral("数据库驱动不是 SQLite"));
    const QSqlRecord record = query.record();
    const int columns = record.count();
    names_.reserve(columns);
    for (int i = 0; i < columns; ++i)
        names_.append(record.fieldName(i));
    statement_ = sql;
    open_ = true;
    // The driver stepped onto the first row (or found none and reset the statement).
    const bool first = sqlite3_data_count(state->statement) > 0;
    if (cursor == Cursor::Forward) {
        forward_ = std::move(state);
        cells_.resize(static_cast<std::size_t>(columns));
        forward_->onRow = first;
        if (first)
            ReadRow(forward_->statement, cells_.data(), columns);
        return;
    }
    // Text is copied into one buffer, and the values pointed at it once it has stopped growing.
    std::vector<std::pair<std::size_t, std::size_t>> textAt; // cell, offset in text_
    for (bool onRow = first; onRow; onRow = Step(state->statement, sql)) {
        const std::size_t row = cells_.size();
        cells_.resize(row + static_cast<std::size_t>(columns));
        ReadRow(state->statement, cells_.data() + row, columns);
        for (std::size_t i = row; i < cells_.size(); ++i) {
            if (cells_[i].type() != SqlValue::Type::Text && cells_[i].type() != SqlValue::Type::Blob)
                continue;
            const QByteArrayView bytes = cells_[i].bytes();
            textAt.emplace_back(i, text_.size());
            text_.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
        }
        ++recordCount_;
    }
    for (const auto& [cell, offset] : textAt) {
        const qsizetype size = cells_[cell].bytes().size();
        cells_[cell] = cells_[cell].type() == SqlValue::Type::Text ? SqlValue::Text(text_.data() + offset, size)
                                                                    : SqlValue::Blob(text_.data() + offset, size);
    }
    position_ = 0;
}

bool Recordset::IsEOF() const
{
    return forward_ ? !forward_->onRow : position_ >= recordCount_;
}

void Recordset::MoveFirst()
{
    if (!forward_) {
        position_ = 0;
        return;
    }
    if (forward_->moved)
        throw DatabaseError(statement_, QStringLiteral("只进游标不能回到第一行"));
}

void Recordset::MoveNext()
{
    if (!forward_) {
        ++position_;
        return;
    }
    forward_->moved = true;
    if (!forward_->onRow)
        return;
    forward_->onRow = false; // an error leaves no current row
    if (!Step(forward_->statement, statement_))
        return;
    forward_->onRow = true;
    ReadRow(forward_->statement, cells_.data(), FieldCount());
}

void Recordset::Close()
{
    forward_.reset();
    names_.clear();
    cells_.clear();
    text_.clear();
    recordCount_ = 0;
    position_ = 0;
    open_ = false;
}

int Recordset::IndexOf(const QString& name) const
{
    // Of equal names (a * over a join) the first one wins. A few dozen columns are searched
    // faster than a table of them is built for every statement.
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

Recordset::Row Recordset::CurrentRow() const
{
    if (IsEOF())
        throw DatabaseError(statement_, QStringLiteral("没有当前记录"));
    const int columns = FieldCount();
    if (forward_)
        return Row(cells_.data(), columns);
    return Row(cells_.data() + static_cast<std::size_t>(position_) * columns, columns);
}

Recordset::Field Recordset::Fields(int index) const
{
    const auto& row = CurrentRow();
    if (index < 0 || index >= row.size())
        throw DatabaseError(statement_, QStringLiteral("没有第 %1 列").arg(index));
    return Field{names_[index], row[index].toVariant()};
}

Recordset::Field Recordset::Fields(const QString& name) const
{
    const int i = IndexOf(name);
    if (i < 0)
        throw DatabaseError(statement_, QStringLiteral("没有字段 ") + name);
    return Fields(i);
}

QVariant Recordset::Value(int index) const
{
    return Fields(index).Value;
}

QVariant Recordset::Value(const QString& name) const
{
    return Fields(name).Value;
}
