#pragma once

#include <QString>

// The one place where a value is made fit to stand between apostrophes in a statement.
namespace SqlText {

// Doubles every embedded apostrophe; a value without one comes back unchanged.
QString Escape(const QString& value);

// "'" + Escape(value) + "'"
QString Quoted(const QString& value);

} // namespace SqlText
