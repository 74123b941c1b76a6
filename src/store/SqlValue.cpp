#include "SqlValue.h"

SqlValue SqlValue::Integer(std::int64_t value)
{
    SqlValue v;
    v.type_ = Type::Integer;
    v.integer_ = value;
    return v;
}

SqlValue SqlValue::Real(double value)
{
    SqlValue v;
    v.type_ = Type::Real;
    v.real_ = value;
    return v;
}

SqlValue SqlValue::Text(const char* utf8, qsizetype size)
{
    SqlValue v;
    v.type_ = Type::Text;
    v.data_ = utf8;
    v.size_ = size;
    return v;
}

SqlValue SqlValue::Blob(const void* data, qsizetype size)
{
    SqlValue v;
    v.type_ = Type::Blob;
    v.data_ = static_cast<const char*>(data);
    v.size_ = size;
    return v;
}

QByteArrayView SqlValue::bytes() const
{
    return type_ == Type::Text || type_ == Type::Blob ? QByteArrayView(data_, size_) : QByteArrayView();
}

QString SqlValue::toString() const
{
    switch (type_) {
    case Type::Text:
        return QString::fromUtf8(data_, size_);
    case Type::Integer:
        return QString::number(integer_);
    case Type::Null:
        return QString();
    default:
        return toVariant().toString();
    }
}

int SqlValue::toInt() const
{
    return type_ == Type::Integer ? static_cast<int>(integer_) : toVariant().toInt();
}

qlonglong SqlValue::toLongLong() const
{
    return type_ == Type::Integer ? integer_ : toVariant().toLongLong();
}

double SqlValue::toDouble() const
{
    switch (type_) {
    case Type::Real:
        return real_;
    case Type::Integer:
        return static_cast<double>(integer_);
    default:
        return toVariant().toDouble();
    }
}

QVariant SqlValue::toVariant() const
{
    switch (type_) {
    case Type::Integer:
        return QVariant(qlonglong(integer_));
    case Type::Real:
        return QVariant(real_);
    case Type::Text:
        return QVariant(QString::fromUtf8(data_, size_));
    case Type::Blob:
        return QVariant(QByteArray(data_, size_));
    case Type::Null:
        break;
    }
    return QVariant();
}
