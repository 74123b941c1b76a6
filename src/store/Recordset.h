#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Command;
class DbConnection;

// A static cursor: the whole result is read when the recordset opens, so the record count
// is known before the first row. Field names are matched without regard to case.
class Recordset
{
public:
    struct Field
    {
        QString Name;
        QVariant Value;
        bool IsNull() const { return Value.isNull(); }
    };

    void Open(const Command& command);
    void Open(const QString& sql, DbConnection& connection);
    void Close();
    bool IsOpen() const { return open_; }

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    void MoveFirst() { position_ = 0; }
    void MoveNext() { ++position_; }
    bool IsEOF() const { return position_ >= rows_.size(); }

    int FieldCount() const { return static_cast<int>(names_.size()); }
    const QStringList& FieldNames() const { return names_; }
    // Index of a field name (any case), -1 when absent.
    int IndexOf(const QString& name) const;

    // Fields of the current row.
    Field Fields(int index) const;
    Field Fields(const QString& name) const;
    QVariant Value(int index) const;
    QVariant Value(const QString& name) const;
    const QVector<QVariant>& CurrentRow() const;

private:
    QStringList names_;
    QHash<QString, int> index_;
    QVector<QVector<QVariant>> rows_;
    qsizetype position_ = 0;
    bool open_ = false;
    QString statement_;
};
