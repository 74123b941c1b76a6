#pragma once

#include <QString>

// Writes a source database out as the collection system keeps it: one xBase table per table
// (fields named by their first ten characters, text in GBK, numbers as text, every field
// nullable through _NullFlags) under a container stat.dbc that holds the long names; Area as
// a free table. For the benchmark of the import; the tests use an independent writer.
namespace CollectionWriter {

// Returns the number of records written.
long long Write(const QString& sourceDatabase, const QString& folder);

} // namespace CollectionWriter
