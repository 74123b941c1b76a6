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

void Recordset::Open(const QString& sql, DbConnection& connection)
{
    Close();
    QSqlQuery query(connection.Database());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        throw DatabaseError(sql, query.lastError().text());
    const QSqlRecord record = query.record();
    const int columns = record.count();
    names_.reserve(columns);
    for (int i = 0; i < columns; ++i)
        names_.append(record.fieldName(i));
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            cells_.push_back(query.value(i));
        ++recordCount_;
    }
    if (query.lastError().isValid())
        throw DatabaseError(sql, query.lastError().text());
    statement_ = sql;
    position_ = 0;
    open_ = true;
}

void Recordset::Close()
{
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
