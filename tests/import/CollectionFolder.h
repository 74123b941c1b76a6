#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Folders as the collection system keeps them, written by tests/import/collection_folder.py.
namespace CollectionFolder {

// Runs the script with these arguments; the failure text (empty on success).
QString Script(const QStringList& arguments);

// A source database written out as such a folder.
void Export(const QString& sourceDatabase, const QString& folder);
// The folder of the reader's special cases (see the script).
void Cases(const QString& folder);
// Tables as other writers leave them: a container with numbered names and times of day, a
// Windows-1251 table, a dBase IV table with its memo (see the script).
void Formats(const QString& folder);
// Spoils one file: "short", "record-length", "memo", "text".
void Damage(const QString& kind, const QString& folder);
// python3-dbfread's reading of a table: a line of field names, then one line per record.
QStringList SecondOpinion(const QString& table, const QString& encoding = QStringLiteral("cp936"));

} // namespace CollectionFolder
