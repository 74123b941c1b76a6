#include "ConversionError.h"
#include "Numeric.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

struct RoundCase
{
    double value;
    double expected;
};

class RoundTwoTest : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(RoundTwoTest, TiesGoToTheEvenNeighbour)
{
    EXPECT_DOUBLE_EQ(Numeric::RoundTwo(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundTwoTest,
                         ::testing::Values(RoundCase{0.125, 0.12}, RoundCase{0.375, 0.38}, RoundCase{-0.125, -0.12},
                                           RoundCase{12.345, 12.35}, // 12.345 lies above the tie in binary
                                           RoundCase{2.675, 2.67},   // 2.675 lies below the tie in binary
                                           RoundCase{1.005, 1.0}, RoundCase{33.333333, 33.33},
                                           RoundCase{12.5, 12.5}, RoundCase{0.005, 0.01} /* above the tie in binary */, RoundCase{0.015, 0.01},
                                           RoundCase{1e15 + 0.5, 1e15 + 0.5}, RoundCase{-0.001, 0.0}));

TEST(RoundTwo, NegativeZeroBecomesZero)
{
    EXPECT_FALSE(std::signbit(Numeric::RoundTwo(-0.001)));
}

struct IntCase
{
    const char* text;
    int expected; // ignored when the conversion must fail
    bool fits16;
    bool fits32;
};

class IntegerConversionTest : public ::testing::TestWithParam<IntCase>
{
};

TEST_P(IntegerConversionTest, RoundsTiesToEvenAndRefusesWhatDoesNotFit)
{
    const IntCase& c = GetParam();
    const QVariant text(QString::fromUtf8(c.text));
    // A whole number also as the engine hands over an INTEGER column.
    bool whole = false;
    const qlonglong integer = text.toString().trimmed().toLongLong(&whole);
    for (const QVariant& value : whole ? QVariantList{text, QVariant(integer)} : QVariantList{text}) {
        SCOPED_TRACE(value.typeName());
        if (c.fits16)
            EXPECT_EQ(Numeric::ToInt16(value), c.expected);
        else
            EXPECT_THROW(Numeric::ToInt16(value), ConversionError);
        if (c.fits32)
            EXPECT_EQ(Numeric::ToInt32(value), c.expected);
        else
            EXPECT_THROW(Numeric::ToInt32(value), ConversionError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, IntegerConversionTest,
    ::testing::Values(IntCase{"2.5", 2, true, true}, IntCase{"3.5", 4, true, true}, IntCase{"-2.5", -2, true, true},
                      IntCase{"12.5", 12, true, true}, IntCase{"13.5", 14, true, true},
                      IntCase{" 12 ", 12, true, true}, IntCase{"32767", 32767, true, true},
                      IntCase{"32767.5", 32768, false, true}, IntCase{"-32768", -32768, true, true},
                      IntCase{"-32769", -32769, false, true}, IntCase{"32768", 32768, false, true}, IntCase{"2147483647", 2147483647, false, true},
                      IntCase{"2147483648", 0, false, false}, IntCase{"-2147483648", -2147483647 - 1, false, true},
                      IntCase{"-2147483649", 0, false, false}, IntCase{"9223372036854775807", 0, false, false},
                      IntCase{"abc", 0, false, false}, IntCase{"", 0, false, false}, IntCase{"1e3", 0, false, false},
                      IntCase{"12abc", 0, false, false}));

TEST(IntegerConversion, TakesNumbersAsTheyCome)
{
    EXPECT_EQ(Numeric::ToInt16(QVariant(110)), 110);
    EXPECT_EQ(Numeric::ToInt32(QVariant(12.5)), 12);
    EXPECT_EQ(Numeric::ToInt32(QVariant(qlonglong(70000))), 70000);
    EXPECT_THROW(Numeric::ToInt16(QVariant(qlonglong(70000))), ConversionError);
}

TEST(IntegerConversion, ErrorNamesTheValue)
{
    try {
        Numeric::ToInt16(QVariant(QStringLiteral("七十")));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.Value(), QStringLiteral("七十"));
        EXPECT_TRUE(e.WithContext(QStringLiteral("企业 B1001 的 Rooms")).UserText().contains(QStringLiteral("B1001")));
    }
}

struct TextCase
{
    double value;
    const char* expected;
};

class NumberTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(NumberTextTest, GeneralForm)
{
    EXPECT_EQ(Numeric::NumberText(GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(TextCase{1234.5, "1234.5"}, TextCase{3, "3"}, TextCase{0.25, "0.25"}, TextCase{0, "0"},
                      TextCase{-0.0, "0"}, TextCase{-0.1, "-0.1"}, TextCase{12.5, "12.5"}, TextCase{1.0 / 3.0, "0.333333333333333"},
                      TextCase{2.0 / 3.0, "0.666666666666667"}, TextCase{123456789012.25, "123456789012.25"},
                      TextCase{1234567890123456.0, "1.23456789012346E+15"}, TextCase{0.0001, "0.0001"},
                      TextCase{0.00001, "0.00001"}, TextCase{0.000001, "1E-06"}, TextCase{100, "100"},
                      TextCase{-25, "-25"}, TextCase{0.1 + 0.2, "0.3"},
                      TextCase{987890.84 + 1.1e-9, "987890.84"}, TextCase{671.79 - 9e-13, "671.79"},
                      TextCase{123456789012345.0, "123456789012345"}, TextCase{0.123456789012345, "0.123456789012345"}));

// Whole numbers and amounts to the cent take a short way; it must write what %.14g writes.
TEST(NumberText, CentsAsPrintfWritesThem)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<long long> cents(-99'999'999'999'999LL, 99'999'999'999'999LL);
    std::uniform_int_distribution<int> digits(1, 14);
    char expected[64];
    for (int i = 0; i < 200000; ++i) {
        // Small numbers as often as large ones: cut the random cents to a random length.
        long long n = cents(random);
        for (int d = digits(random); d < 14; ++d)
            n /= 10;
        if (n == 0)
            continue;
        const double value = static_cast<double>(n) / 100.0;
        std::snprintf(expected, sizeof expected, "%.14g", value);
        ASSERT_EQ(Numeric::NumberText(value).toStdString(), expected) << n;
        // A sum that misses the cent by binary noise reads the same after RoundTwo.
        const double noisy = value + value * 3e-16;
        ASSERT_EQ(Numeric::NumberText(Numeric::RoundTwo(noisy)).toStdString(), expected) << n;
    }
}

TEST(ParseNumber, AcceptsSignsPointsAndBlanks)
{
    double v = 0;
    EXPECT_TRUE(Numeric::ParseNumber(QStringLiteral(" -12.5 "), &v));
    EXPECT_DOUBLE_EQ(v, -12.5);
    EXPECT_TRUE(Numeric::ParseNumber(QStringLiteral("+.5"), &v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    EXPECT_TRUE(Numeric::ParseNumber(QStringLiteral("7."), &v));
    for (const char* bad : {"", " ", "-", ".", "1,000", "2O05", "1e5", "--1", "1 2"})
        EXPECT_FALSE(Numeric::ParseNumber(QString::fromLatin1(bad), &v)) << bad;
}

} // namespace
