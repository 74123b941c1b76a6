#pragma once

#include <QString>
#include <QStringList>

// Whether a database file can be trusted, and what can still be read out of one that cannot.
class DatabaseHealth
{
public:
    enum class State {
        Sound,     // the engine's quick check found nothing
        Malformed, // damaged or not a database at all: it must be replaced
        Unknown,   // could not be checked now (locked, unreadable): left alone
    };

    static State Check(const QString& path, QString* detail = nullptr);

    struct Carried
    {
        int Rows = 0;
        QStringList Problems; // one line per table that could not be read to its end
    };

    // Copies the rows of the named tables from one database into the same tables of another,
    // row by row, by the column names both have; a table is read as far as it can be.
    static Carried CarryRows(const QString& from, const QString& to, const QStringList& tables);
};
