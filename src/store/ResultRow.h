#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One printed line of a report as the INSERT that stores it: the header with its column
// list, then the values. It keeps both the statement's text and the values as they are
// stored, so a report can be written through prepared statements in one transaction while
// its text stays what the writers have always produced.
class ResultRow
{
public:
    // opening: what stands between the header and the first value.
    ResultRow(const QString& header, const QString& name, const QString& opening = QStringLiteral("values ('"));

    // The usual separator "','".
    ResultRow& Value(double value);
    // "',' ": the value is stored with one leading blank.
    ResultRow& BlankFirst(double value);
    // "', '": the blank lies outside the quotes and is not stored.
    ResultRow& BlankOutside(double value);
    // A value already in its stored form, after "','".
    ResultRow& Text(const QString& text);

    // The statement that ends with the table code ("','1_2')"), or, with an empty code,
    // one whose column list has no tablecode ("')").
    QString Statement(const QString& tablecode = QString()) const;

    const QString& Header() const { return header_; }
    // The stored values in column order, the table code last when there is one.
    QStringList Stored(const QString& tablecode = QString()) const;

    // The stored values without the table code.
    const QStringList& Values() const { return values_; }

private:
    enum class Separator { Plain, BlankOutside };
    ResultRow& Append(Separator separator, const QString& stored);

    QString header_;
    QString opening_;
    QStringList values_;
    std::vector<Separator> separators_; // before each value after the name
};
