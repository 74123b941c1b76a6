#include "Recordset.h"

#include "Command.h"
#include "DatabaseError.h"
#include "DbConnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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
    bool onRow = false;
    bool moved = false;
};

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
    const QSqlRecord record = query.record();
    const int columns = record.count();
    names_.reserve(columns);
    for (int i = 0; i < columns; ++i)
        names_.append(record.fieldName(i));
    statement_ = sql;
    open_ = true;
    if (cursor == Cursor::Forward) {
        forward_ = std::move(state);
        cells_.resize(static_cast<std::size_t>(columns));
        MoveNext();
        forward_->moved = false;
        return;
    }
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            cells_.push_back(query.value(i));
        ++recordCount_;
    }
    if (query.lastError().isValid())
        throw DatabaseError(sql, query.lastError().text());
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
    QSqlQuery& query = forward_->query;
    forward_->onRow = query.next();
    if (!forward_->onRow) {
        if (query.lastError().isValid())
            throw DatabaseError(statement_, query.lastError().text());
        return;
    }
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i] = query.value(static_cast<int>(i));
}

void Recordset::Close()
{
    forward_.reset();
    names_.clear();
    cells_.clear();
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
    return Field{names_[index], row[index]};
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
