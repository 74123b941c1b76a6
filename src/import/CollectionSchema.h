#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The tables of the source database as the program's schema script defines them: the columns
// the reports read, of three kinds, and the indexes that serve them.
class CollectionSchema
{
public:
    enum class Kind { Text, Number, Date };
    struct Column
    {
        QString Name;
        Kind Type = Kind::Text;
    };
    struct Table
    {
        QString Name;
        std::vector<Column> Columns;
        QStringList Indexes; // CREATE INDEX statements
    };

    // Read once from the script compiled into the program.
    static const CollectionSchema& Get();

    const std::vector<Table>& Tables() const { return tables_; }
    // By name in any letter case; nullptr for a table the program does not use.
    const Table* Find(const QString& name) const;

    // The column type written for a kind.
    static QString Declaration(Kind kind);

private:
    CollectionSchema();
    std::vector<Table> tables_;
};
