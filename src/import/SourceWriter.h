#pragma once

#include "CollectionSchema.h"
#include "XbaseTable.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Writes a new source database in one transaction, a table at a time through one prepared
// statement. Every failure of the engine (a full disk among them) is an ImportError naming
// the file.
class SourceWriter
{
public:
    struct Column
    {
        QString Name;
        CollectionSchema::Kind Type = CollectionSchema::Kind::Text;
        int Value = -1; // index into the values of a record; -1: the column stays NULL
    };

    // Creates the file (replacing one of that name) and begins the transaction.
    explicit SourceWriter(const QString& path);
    ~SourceWriter();
    SourceWriter(const SourceWriter&) = delete;
    SourceWriter& operator=(const SourceWriter&) = delete;

    // A set flag stops the engine's statement under way; it then fails like any other.
    void StopWhen(const std::atomic<bool>* flag) { Interruptible(db_, flag); }
    static void Interruptible(sqlite3* db, const std::atomic<bool>* flag);

    void CreateTable(const QString& name, const std::vector<Column>& columns);
    void Insert(const XbaseValue* values); // a record's values, indexed by Column::Value
    void Execute(const QString& sql);
    // Commits and closes; afterwards the file holds the whole database.
    void Commit();

private:
    [[noreturn]] void Fail(const QString& what) const;
    void Finalize();

    QString path_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    std::vector<Column> columns_; // those with a value, in parameter order
    std::string scratch_;
    std::vector<std::string> texts_;
};
