#pragma once

#include <QString>

class DbConnection;

// A statement bound to a connection.
class Command
{
public:
    DbConnection* ActiveConnection = nullptr;
    QString CommandText;

    // Executes CommandText on the active connection, discarding any result.
    void Execute() const;
};
