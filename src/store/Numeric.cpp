#include "Numeric.h"

#include "ConversionError.h"
#include "SqlValue.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace Numeric {

double RoundEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds ties to even
}

double RoundTwo(double value)
{
    if (!std::isfinite(value))
        return value;
    // A 53-bit mantissa times 100 (7 bits) fits the 64-bit mantissa of long double exactly,
    // so a tie is seen only where the double really lies halfway.
    const long double scaled = static_cast<long double>(value) * 100.0L;
    const long double rounded = std::nearbyintl(scaled);
    const double result = static_cast<double>(rounded / 100.0L);
    return result == 0.0 ? 0.0 : result;
}

namespace {

// Codes read as numbers ("110", "3") are plain digits; they need not go through the pattern.
bool PlainDigits(const QString& text)
{
    if (text.isEmpty() || text.size() > 15)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

bool ParseNumber(const QString& text, double* result)
{
    if (PlainDigits(text)) {
        double v = 0;
        for (const QChar c : text)
            v = v * 10 + (c.unicode() - '0');
        if (result)
            *result = v;
        return true;
    }
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (ok && result)
        *result = v;
    return ok;
}

double ToDouble(const QVariant& value)
{
    switch (value.typeId()) {
    // What the engine hands over for REAL and INTEGER columns, read without a conversion.
    case QMetaType::Double:
        return *static_cast<const double*>(value.constData());
    case QMetaType::LongLong:
        return static_cast<double>(*static_cast<const qlonglong*>(value.constData()));
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return value.toDouble();
    default:
        break;
    }
    double v = 0;
    const QString text = value.toString();
    if (!ParseNumber(text, &v))
        throw ConversionError(text, QStringLiteral("不是数值"));
    return v;
}

std::optional<double> ToNumber(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    try {
        return ToDouble(value);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

namespace {
template <typename Int> Int ToInteger(const QVariant& value, const QString& range)
{
    // The engine hands over most counts as 64-bit integers: no rounding to do.
    if (value.typeId() == QMetaType::LongLong) {
        const qlonglong whole = *static_cast<const qlonglong*>(value.constData());
        if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
            throw ConversionError(value.toString(), range);
        return static_cast<Int>(whole);
    }
    const double rounded = RoundEven(ToDouble(value));
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        throw ConversionError(value.toString(), range);
    return static_cast<Int>(rounded);
}
} // namespace

double ToDouble(const SqlValue& value)
{
    switch (value.type()) {
    case SqlValue::Type::Real:
        return value.real();
    case SqlValue::Type::Integer:
        return static_cast<double>(value.integer());
    default:
        return ToDouble(value.toVariant());
    }
}

namespace {
template <typename Int> Int ToInteger(const SqlValue& value, const QString& range)
{
    if (value.type() == SqlValue::Type::Integer) {
        const std::int64_t whole = value.integer();
        if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
            throw ConversionError(QString::number(whole), range);
        return static_cast<Int>(whole);
    }
    if (value.type() == SqlValue::Type::Real) {
        const double rounded = RoundEven(value.real());
        if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
              rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
            throw ConversionError(value.toString(), range);
        return static_cast<Int>(rounded);
    }
    return ToInteger<Int>(value.toVariant(), range);
}
} // namespace

std::int16_t ToInt16(const SqlValue& value)
{
    return ToInteger<std::int16_t>(value, QStringLiteral("超出 -32768 至 32767"));
}

std::int32_t ToInt32(const SqlValue& value)
{
    return ToInteger<std::int32_t>(value, QStringLiteral("超出 32 位整数范围"));
}

std::int16_t ToInt16(const QVariant& value)
{
    return ToInteger<std::int16_t>(value, QStringLiteral("超出 -32768 至 32767"));
}

std::int32_t ToInt32(const QVariant& value)
{
    return ToInteger<std::int32_t>(value, QStringLiteral("超出 32 位整数范围"));
}

namespace {

// Whole numbers and amounts to the cent, most of what a report writes, straight from their
// cents: where the value is the double nearest a number of cents under 10^14, the general
// form below gives just that number's digits.
bool CentsText(double value, QString* text)
{
    if (!(std::fabs(value) < 1e12))
        return false;
    const long long cents = std::llround(value * 100);
    if (static_cast<double>(cents) / 100.0 != value)
        return false;
    char buffer[32];
    char* end = buffer;
    if (cents < 0)
        *end++ = '-';
    const unsigned long long magnitude = cents < 0 ? 0ULL - static_cast<unsigned long long>(cents) : cents;
    end = std::to_chars(end, buffer + sizeof buffer, magnitude / 100).ptr;
    if (const auto fraction = static_cast<char>(magnitude % 100)) {
        *end++ = '.';
        *end++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10)
            *end++ = static_cast<char>('0' + fraction % 10);
    }
    *text = QString::fromLatin1(buffer, end - buffer);
    return true;
}

} // namespace

QString NumberText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : QString::number(value);
    if (QString text; CentsText(value, &text))
        return text;
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || magnitude < 1e-5) {
        std::snprintf(buffer, sizeof buffer, "%.14E", value);
        // Trim the mantissa's trailing zeros: 1.50000000000000E+20 -> 1.5E+20
        QString text = QString::fromLatin1(buffer);
        const qsizetype e = text.indexOf(QLatin1Char('E'));
        QString mantissa = text.left(e);
        QString exponent = text.mid(e);
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
        return mantissa + exponent;
    }
    // Sums of many amounts carry binary noise in the 15th digit (987890.840000001); where
    // 14 digits give back the value within a few units in the last place, they are the
    // number the returns really hold. A true 15th digit (one third) lies much further off.
    // to_chars and from_chars write and read as printf's %g and strtod do, only faster: a
    // report writes tens of thousands of numbers.
    auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::general, 14);
    double shorter = 0;
    std::from_chars(buffer, written.ptr, shorter);
    const double ulp = std::nextafter(magnitude, HUGE_VAL) - magnitude;
    if (std::fabs(shorter - value) > 16 * ulp)
        written = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::general, 15);
    *written.ptr = '\0';
    QString text = QString::fromLatin1(buffer);
    if (text.contains(QLatin1Char('e'))) { // %.15g chose an exponent inside our fixed band
        const int decimals = std::max(0, 14 - static_cast<int>(std::floor(std::log10(magnitude))));
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        text = QString::fromLatin1(buffer);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace Numeric
