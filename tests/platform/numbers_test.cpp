#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

namespace vib {
namespace {

TEST(Rounding, HalvesGoToEvenAndStoresAreSingle) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundToInt16(40000.0), 32767);
    EXPECT_EQ(RoundToInt16(-40000.0), -32768);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    // 0.1 stored in single precision is not the double 0.1.
    EXPECT_EQ(StoreSingle(0.1), 0.1f);
    EXPECT_NE(double(StoreSingle(0.1)), 0.1);
}

TEST(LeadingNumber, ReadsTheLeadingNumberLikeTheEditorDoes) {
    EXPECT_DOUBLE_EQ(LeadingNumber("0.04  "), 0.04);
    EXPECT_DOUBLE_EQ(LeadingNumber("  1 2 3"), 123.0);  // blanks ignored wherever they stand
    EXPECT_DOUBLE_EQ(LeadingNumber("1\t0\n0"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-2.5E3xyz"), -2500.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1D2"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e"), 1.0);  // a dangling exponent is not part of it
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,000"), 1.0);  // a comma ends the number
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("0.00000000,5"), 0.0);
    // Radix prefixes: 16-bit for short literals, 32-bit for longer ones.
    EXPECT_DOUBLE_EQ(LeadingNumber("&HFF"), 255.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("&hff"), 255.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("&HFFFF"), -1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("&H10000"), 65536.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("&O17"), 15.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("&O19"), 1.0);  // 9 is no octal digit
    EXPECT_DOUBLE_EQ(LeadingNumber("&H"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1E999")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1E-999"), 0.0);
}

TEST(LeadingNumber, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no decimal-comma locale";
    EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_EQ(FormatGeneral(2.5), "2.5");
    EXPECT_EQ(FloatToText(2.5f), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatGeneral, ShortestFormWithSevenSignificantDigits) {
    EXPECT_EQ(FormatGeneral(0.001f), "0.001");
    EXPECT_EQ(FormatGeneral(1e-6f), "1E-06");
    EXPECT_EQ(FormatGeneral(600.0f), "600");
    EXPECT_EQ(FormatGeneral(0.1000064f), "0.1000064");
    EXPECT_EQ(FormatGeneral(0.1f), "0.1");
    EXPECT_EQ(FormatGeneral(16.7f), "16.7");
    EXPECT_EQ(FormatGeneral(1234567.0), "1234567");
    EXPECT_EQ(FormatGeneral(12345678.0), "1.234568E+07");
    EXPECT_EQ(FormatGeneral(-0.0), "0");
    EXPECT_EQ(FormatGeneral(0.04f, ','), "0,04");
}

TEST(ErrorText, BlankInTheSignPosition) {
    EXPECT_EQ(ErrorNumberText(53), " 53");
    EXPECT_EQ(ErrorNumberText(-1), "-1");
    EXPECT_EQ(ErrorBoxTitle(53), "Error #  53 Occured");
    EXPECT_EQ(ErrorBoxTitle(482), "Error #  482 Occured");
}

// The decided look of the masks: at least one integer digit, no separator without decimals.
TEST(FormatMask, DecidedForms) {
    EXPECT_EQ(FormatMask(0.5, "##.####"), "0.5");
    EXPECT_EQ(FormatMask(8, "###.##"), "8");
    EXPECT_EQ(FormatMask(0, "####.#"), "0");
    EXPECT_EQ(FormatMask(0.5, "###.#"), "0.5");
    EXPECT_EQ(FormatMask(8.001052, "###.##"), "8");
    EXPECT_EQ(FormatMask(7.7553854, "###.##"), "7.76");
    EXPECT_EQ(FormatMask(64.87333, "####.#"), "64.9");
    EXPECT_EQ(FormatMask(0.0123456, "##.####"), "0.0123");
    EXPECT_EQ(FormatMask(12345.67, "###.#"), "12345.7");  // more digits than the mask: shown
    EXPECT_EQ(FormatMask(-0.04, "###.#"), "0");           // no "-0"
    EXPECT_EQ(FormatMask(-1.25, "###.###"), "-1.25");
    EXPECT_EQ(FormatMask(0.125, "###.##"), "0.12");  // an exact half goes to even
    EXPECT_EQ(FormatMask(7.75, "###.#", ','), "7,8");
    EXPECT_EQ(FormatMask(100, "###.##"), "100");
}

TEST(ParseLocaleNumber, CLocale) {
    EXPECT_EQ(ParseLocaleNumber("1.5", kCLocale), 1.5);
    EXPECT_EQ(ParseLocaleNumber("  -2.5e2 ", kCLocale), -250.0);
    EXPECT_EQ(ParseLocaleNumber("1,500", kCLocale), 1500.0);
    EXPECT_EQ(ParseLocaleNumber("1,234,567.5", kCLocale), 1234567.5);
    EXPECT_EQ(ParseLocaleNumber(".5", kCLocale), 0.5);
    EXPECT_EQ(ParseLocaleNumber("5.", kCLocale), 5.0);
    EXPECT_EQ(ParseLocaleNumber("+7", kCLocale), 7.0);
    // A thousands separator is never a decimal point.
    EXPECT_FALSE(ParseLocaleNumber("1,5", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("12,34", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber(",500", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("   ", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("abc", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("12abc", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("1e", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber(".", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("1e999", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("nan", kCLocale));
    EXPECT_FALSE(ParseLocaleNumber("inf", kCLocale));
}

TEST(ParseLocaleNumber, DecimalCommaLocale) {
    EXPECT_EQ(ParseLocaleNumber("1,5", kDecimalCommaLocale), 1.5);
    EXPECT_EQ(ParseLocaleNumber("1.500", kDecimalCommaLocale), 1500.0);
    EXPECT_EQ(ParseLocaleNumber("1.500,25", kDecimalCommaLocale), 1500.25);
    EXPECT_EQ(ParseLocaleNumber("0,04", kDecimalCommaLocale), 0.04);
    EXPECT_FALSE(ParseLocaleNumber("1.5", kDecimalCommaLocale));
    EXPECT_FALSE(ParseLocaleNumber("1,5,5", kDecimalCommaLocale));
}

TEST(FloatText, RoundTripsEveryFloatExactly) {
    const float samples[] = {0.1f,  16.7f,       1e-6f,      3.4028235e38f, 1.17549435e-38f, 1e-45f,
                             -0.0f, 123456.789f, 0.1000064f, 9.616f,        1.0f / 3.0f};
    for (float v : samples) {
        const std::string text = FloatToText(v);
        const auto back = ParseFieldNumber(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, v) << text;
    }
    EXPECT_EQ(FloatToText(1e-6f), "1E-06");
    EXPECT_EQ(FloatToText(600.0f), "600");
    // A pseudo-random sweep over bit patterns.
    unsigned x = 12345;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1664525u + 1013904223u;
        float v;
        static_assert(sizeof v == sizeof x);
        std::memcpy(&v, &x, sizeof v);
        if (!std::isfinite(v)) continue;
        const auto back = ParseFieldNumber(FloatToText(v));
        ASSERT_TRUE(back);
        ASSERT_EQ(*back, v);
    }
}

TEST(FieldNumber, StrictSyntax) {
    EXPECT_EQ(ParseFieldNumber(".5"), 0.5f);
    EXPECT_EQ(ParseFieldNumber("5."), 5.0f);
    EXPECT_EQ(ParseFieldNumber("1E-06"), 1e-6f);
    EXPECT_EQ(ParseFieldNumber("-2.5e+3"), -2500.0f);
    EXPECT_EQ(ParseFieldNumber("+3"), 3.0f);
    EXPECT_EQ(ParseFieldNumber("1E-50"), 0.0f);  // underflow is still a number
    EXPECT_EQ(ParseFieldNumber("007.50"), 7.5f);
    EXPECT_EQ(ParseFieldNumber("-0"), -0.0f);
    EXPECT_EQ(ParseFieldNumber("3.4028235E+38"), 3.4028235e38f);
    EXPECT_EQ(ParseFieldNumber("1D2"), 100.0f);
    EXPECT_FALSE(ParseFieldNumber("+-5"));
    EXPECT_FALSE(ParseFieldNumber("-+5"));
    EXPECT_FALSE(ParseFieldNumber("--5"));
    EXPECT_FALSE(ParseFieldNumber("."));
    EXPECT_FALSE(ParseFieldNumber("1E+"));
    EXPECT_FALSE(ParseFieldNumber("1E99999999999"));  // long exponents overflow nothing
    EXPECT_EQ(ParseFieldNumber("1E-99999999999"), 0.0f);
    EXPECT_FALSE(ParseFieldNumber(""));
    EXPECT_FALSE(ParseFieldNumber("abc"));
    EXPECT_FALSE(ParseFieldNumber("5x"));
    EXPECT_FALSE(ParseFieldNumber("1E"));
    EXPECT_FALSE(ParseFieldNumber("1 2"));
    EXPECT_FALSE(ParseFieldNumber("1,5"));
    EXPECT_FALSE(ParseFieldNumber("nan"));
    EXPECT_FALSE(ParseFieldNumber("inf"));
    EXPECT_FALSE(ParseFieldNumber("1e39"));
    EXPECT_FALSE(ParseFieldNumber("-1e39"));
}

// Every field is read to the correctly rounded value of its decimal text, checked against
// the library's own reader on texts of 1 to 18 digits and exponents of -30 to 30.
TEST(FieldNumber, CorrectlyRoundedOverASweepOfDecimals) {
    unsigned x = 2024;
    auto next = [&x](unsigned n) { return ((x = x * 1664525u + 1013904223u) >> 8) % n; };
    for (int i = 0; i < 20000; ++i) {
        std::string text = next(3) == 0 ? "-" : "";
        const unsigned digits = 1 + next(18), point = next(digits + 1);
        for (unsigned d = 0; d < digits; ++d) {
            if (d == point && d > 0) text += '.';
            text += static_cast<char>('0' + next(10));
        }
        if (next(2)) text += "E" + std::to_string(static_cast<int>(next(61)) - 30);
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto got = ParseFieldNumber(text);
        if (std::isinf(static_cast<float>(expected))) {
            ASSERT_FALSE(got) << text;  // beyond single precision
            continue;
        }
        ASSERT_TRUE(got) << text;
        ASSERT_EQ(*got, static_cast<float>(expected)) << text;
    }
}

// Zeros in front of an exponent's digits do not count towards its length.
TEST(Exponents, LeadingZerosAreReadInEveryReader) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"1E-0000001", 0.1},        {"1E+0000001", 10.0},
                          {"2.5e0000000002", 250.0},  {"1E-0000000", 1.0},
                          {"-3E+00000000001", -30.0}, {"1E000000038", 1e38}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
        const auto field = ParseFieldNumber(c.text);
        ASSERT_TRUE(field) << c.text;
        EXPECT_EQ(*field, StoreSingle(c.value)) << c.text;
        const auto answer = ParseLocaleNumber(c.text, kCLocale);
        ASSERT_TRUE(answer) << c.text;
        EXPECT_DOUBLE_EQ(*answer, c.value) << c.text;
    }
    // Exponents that are long after their zeros still over- or underflow.
    EXPECT_TRUE(std::isinf(LeadingNumber("1E00001234567")));
    EXPECT_EQ(LeadingNumber("1E-00001234567"), 0.0);
}

TEST(StorableNumber, RefusesWhatSinglePrecisionCannotHold) {
    EXPECT_EQ(ParseStorableNumber("1.5", kCLocale), 1.5);
    EXPECT_EQ(ParseStorableNumber("3.4E38", kCLocale), 3.4e38);
    EXPECT_EQ(ParseStorableNumber("1E-50", kCLocale), 1e-50);  // stores as 0: still finite
    EXPECT_FALSE(ParseStorableNumber("1E39", kCLocale));
    EXPECT_FALSE(ParseStorableNumber("-1E39", kCLocale));
    EXPECT_FALSE(ParseStorableNumber("abc", kCLocale));
    EXPECT_TRUE(FitsSingle(3.4028235e38));
    EXPECT_FALSE(FitsSingle(3.5e38));
}

}  // namespace
}  // namespace vib
