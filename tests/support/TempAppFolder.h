#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away application folder: a fresh own database (tables and dictionaries) and an
// empty source database with its tables, set as the program's application folder for the
// lifetime of the object.
class TempAppFolder
{
public:
    enum class Content { Databases, Empty };
    explicit TempAppFolder(Content content = Content::Databases);
    ~TempAppFolder();

    QString Path() const { return dir_.path(); }
    QString OwnDatabase() const;
    QString SourceDatabase() const;

    // Runs statements (separated by ";") on the source or the own database.
    void Source(const QString& sql) const;
    void Own(const QString& sql) const;

    // From now on an INSERT into the own database's table fails with "disk full" where the
    // condition (on NEW) holds: a failure in the middle of a write.
    void RefuseOwnInserts(const QString& table, const QString& condition) const;

    // Rows of a query as text, the fields of a row joined by tabs (NULL as "<null>").
    QStringList OwnRows(const QString& sql) const;
    QStringList SourceRows(const QString& sql) const;

private:
    QTemporaryDir dir_;
    QString previousFolder_;
};

// Rows of a query on any database file, as TempAppFolder::OwnRows gives them.
QStringList QueryRows(const QString& path, const QString& sql);

// The bytes of a file, none when it cannot be read.
QByteArray FileBytes(const QString& path);

// Reads a text file of the tests folder (tests/<relative>), "" when missing.
QString ReadTestFile(const QString& relative, bool* exists = nullptr);
