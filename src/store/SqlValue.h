#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <cstring>

// One value of a result row as the engine stores it: a whole number, a real, text, a blob or
// NULL. Text stays the engine's UTF-8 bytes until someone asks for a string; text and blobs
// point into memory the recordset owns, valid while its row is current.
class SqlValue
{
public:
    enum class Type : std::uint8_t { Null, Integer, Real, Text, Blob };

    SqlValue() = default;
    static SqlValue Integer(std::int64_t value);
    static SqlValue Real(double value);
    static SqlValue Text(const char* utf8, qsizetype size);
    static SqlValue Text(const char* utf8) { return Text(utf8, static_cast<qsizetype>(std::strlen(utf8))); }
    static SqlValue Blob(const void* data, qsizetype size);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }
    std::int64_t integer() const { return integer_; } // for Type::Integer
    double real() const { return real_; }             // for Type::Real
    QByteArrayView bytes() const;                     // text and blobs

    // As QVariant would convert the value the driver hands over.
    QString toString() const;
    int toInt() const;
    qlonglong toLongLong() const;
    double toDouble() const;
    QVariant toVariant() const;

private:
    Type type_ = Type::Null;
    qsizetype size_ = 0;
    union {
        std::int64_t integer_ = 0;
        double real_;
        const char* data_;
    };
};
