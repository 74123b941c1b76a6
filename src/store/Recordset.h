#pragma once

#include "SqlValue.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <string>
#include <vector>

class Command;
class DbConnection;
class QSqlQuery;

// A static cursor: the whole result is read when the recordset opens, so the record count
// is known before the first row. A forward cursor holds one row at a time instead, for a
// scan of many thousands of rows; its record count is unknown (-1). Field names are matched
// without regard to case. Rows are read from the engine's statement as it stores each value;
// a QVariant is made only for the one asked for by Value() or Fields().
class Recordset
{
public:
    enum class Cursor { Static, Forward };

    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    struct Field
    {
        QString Name;
        QVariant Value;
        bool IsNull() const { return Value.isNull(); }
    };

    // The fields of one row, valid while the recordset stays open.
    class Row
    {
    public:
        Row(const SqlValue* cells, int count) : cells_(cells), count_(count) {}
        const SqlValue& operator[](qsizetype i) const { return cells_[i]; }
        int size() const { return count_; }

    private:
        const SqlValue* cells_;
        int count_;
    };

    void Open(const Command& command);
    void Open(const QString& sql, DbConnection& connection, Cursor cursor = Cursor::Static);
    void Close();
    bool IsOpen() const { return open_; }

    int RecordCount() const { return forward_ ? -1 : recordCount_; }
    // A forward cursor stands on its first row once open and cannot go back.
    void MoveFirst();
    void MoveNext();
    bool IsEOF() const;

    int FieldCount() const { return static_cast<int>(names_.size()); }
    const QStringList& FieldNames() const { return names_; }
    // Index of a field name (any case), -1 when absent.
    int IndexOf(const QString& name) const;

    // Fields of the current row.
    Field Fields(int index) const;
    Field Fields(const QString& name) const;
    QVariant Value(int index) const;
    QVariant Value(const QString& name) const;
    Row CurrentRow() const;
    // The statement the recordset was opened with.
    const QString& Statement() const { return statement_; }

private:
    QStringList names_;
    // Row after row in one block: a row costs no allocation of its own. A static cursor keeps
    // its text in one buffer too; a forward cursor's text stays in the engine until the next row.
    std::vector<SqlValue> cells_;
    std::string text_;
    int recordCount_ = 0;
    int position_ = 0;
    bool open_ = false;
    QString statement_;

    struct ForwardState;
    std::unique_ptr<ForwardState> forward_;
};
