#pragma once

#include <QString>

// One INSERT statement of a printed report line: the header with its column list, the
// name or label, then the values as number text, then the table code.
class ResultRow
{
public:
    ResultRow(const QString& header, const QString& name);

    // The usual separator "','".
    ResultRow& Value(double value);
    // "',' ": the value is stored with one leading blank.
    ResultRow& BlankFirst(double value);
    // "', '": the blank lies outside the quotes and is not stored.
    ResultRow& BlankOutside(double value);

    QString Statement(const QString& tablecode) const;

private:
    QString text_;
};
