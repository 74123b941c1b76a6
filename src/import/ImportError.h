#pragma once

#include <QString>
#include <stdexcept>

// Why an import stopped. The message names the file and, where one is at fault, the record
// and the field; the current source database is left as it was.
class ImportError : public std::runtime_error
{
public:
    enum class Kind {
        NoTables,  // the folder holds none of the collection system's tables
        BadInput,  // a table, memo or container that cannot be read as it is
        Io,        // the disk: reading, writing, renaming
        Cancelled, // the user stopped it
    };

    ImportError(Kind kind, QString message);

    Kind What() const { return kind_; }
    const QString& Message() const { return message_; }

    // "<file>，第 n 条记录，字段 NAME：<what>" with the parts that are known.
    static ImportError InRecord(const QString& file, long long record, const QString& field, const QString& what);

private:
    Kind kind_;
    QString message_;
};
