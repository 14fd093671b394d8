// Exact-behaviour tests of the number <-> text conversions: what a user may type, what a user is
// shown, and that whatever is shown can be typed back unchanged. The C library's "%.15G" and
// strtod serve as independent references; they need the "C" locale, which this test program
// never leaves.
#include "runtime/number_text.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

const std::string kArabicSeparator = "\u066B";  // two bytes in UTF-8
const std::vector<std::string> kSeparators = {".", ",", kArabicSeparator};

const int kTypeMismatch = RunTimeError::typeMismatch().number();
const int kOverflow = RunTimeError::overflow().number();

// The tables are written with "."; each separator under test replaces it.
std::string withSeparator(std::string text, const std::string& separator) {
    for (std::size_t point = text.find('.'); point != std::string::npos;
         point = text.find('.', point + separator.size())) {
        text.replace(point, 1, separator);
    }
    return text;
}

std::string zeros(std::size_t count) {
    return std::string(count, '0');
}

template <typename Action>
std::optional<int> errorNumberOf(Action action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return std::nullopt;
}

std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

struct Accepted {
    std::string text;
    double value;
};

TEST(NumberFromText, ReadsEveryAcceptedFormToTheNearestDouble) {
    const double maxDouble = std::numeric_limits<double>::max();
    const double minSubnormal = std::numeric_limits<double>::denorm_min();
    const std::vector<Accepted> table = {
        // Blanks, signs, leading zeros and a separator at either end.
        {"0", 0.0},
        {"-0", -0.0},
        {"  42\t", 42.0},
        {"\t -7  ", -7.0},
        {"+3", 3.0},
        {"007", 7.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5", -0.5},
        // Exponents in either case, with or without sign and leading zeros.
        {"+.5E1", 5.0},
        {"1e3", 1000.0},
        {"2.5E-3", 0.0025},
        {"1E+0005", 1e5},
        // The top of the range, however the digits and exponent share the magnitude.
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.7976931348623157E308", maxDouble},
        {"1.7976931348623158E308", maxDouble},
        {"1" + zeros(308), 1e308},
        {"10E307", 1e308},
        {"0.1E309", 1e308},
        {"0.0001E312", 1e308},
        // The bottom of the range: subnormals, and zero (keeping the sign) below them.
        {"4.94065645841247E-324", minSubnormal},
        {"2.4703282292062328E-324", minSubnormal},
        {"2.4703282292062327E-324", 0.0},
        {"1E-400", 0.0},
        {"-1E-400", -0.0},
        {"1E-99999999999999999999999", 0.0},
        {"0E99999999999999999999999", 0.0},
        {"0.0000e400", 0.0},
        // Thousands of digits.
        {"0." + zeros(5000) + "1", 0.0},
        {"1" + zeros(5000) + "E-5000", 1.0},
        {"0." + zeros(5000) + "1E5001", 1.0},
        {"0.000" + zeros(300) + "1e+300", 1e-4}};
    for (const std::string& separator : kSeparators) {
        for (const Accepted& row : table) {
            const std::string text = withSeparator(row.text, separator);
            SCOPED_TRACE(text.substr(0, 60));
            EXPECT_EQ(bitsOf(numberFromText(text, separator)), bitsOf(row.value));
        }
    }
}

TEST(NumberFromText, RejectsAnythingButASignedDecimalNumber) {
    const std::vector<std::string> table = {
        // No digits at all.
        "", " \t ", "+", "-", ".", "-.", "E5", ".e5",
        // Signs, blanks or separators where they do not belong.
        "+-1", "--1", "1-", "1 2", "- 1", "1 .5", "1..2", "1.2.3",
        // Incomplete or doubled exponents.
        "1e", "1e+", "1e5.5", "1e 5", "1e5e5", "1ee5",
        // Forms other programs accept.
        "inf", "-inf", "nan", "Infinity", "0x10", "1_000", "1'000", "1f", "$1", "1%",
        // Blanks other than spaces and tabs, non-ASCII digits, a stray NUL.
        "\n1", "1\n", "1\r", "1.5\xC2\xA0", "\xD9\xA1", "\xEF\xBC\x91", std::string("1\0", 2)};
    for (const std::string& separator : kSeparators) {
        for (const std::string& row : table) {
            const std::string text = withSeparator(row, separator);
            SCOPED_TRACE(text);
            EXPECT_EQ(errorNumberOf([&] { numberFromText(text, separator); }), kTypeMismatch);
        }
    }
}

TEST(NumberFromText, RejectsTheSeparatorsOfOtherLanguages) {
    struct Row {
        std::string separator;
        std::string text;
    };
    const std::vector<Row> table = {
        {".", "1,5"},
        {".", "1,000"},
        {",", "1.5"},
        {",", "1,000,000"},
        {",", "1.000,5"},
        {",", ","},
        {kArabicSeparator, "1.5"},
        {kArabicSeparator, "1\xD9"},                     // the separator cut after its first byte
        {kArabicSeparator, std::string("1\xAB") + "5"},  // only its second byte
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.separator + " " + row.text);
        EXPECT_EQ(errorNumberOf([&] { numberFromText(row.text, row.separator); }), kTypeMismatch);
    }
}

TEST(NumberFromText, ReportsOverflowForMagnitudesBeyondTheLargestDouble) {
    const std::vector<std::string> table = {"1E309",
                                            "-2E308",
                                            "1.7976931348623159E308",
                                            "1" + zeros(309),
                                            "0.00000001E317",
                                            "1E99999999999999999999999",
                                            "-0." + zeros(5000) + "1E5310"};
    for (const std::string& separator : kSeparators) {
        for (const std::string& row : table) {
            const std::string text = withSeparator(row, separator);
            SCOPED_TRACE(text.substr(0, 60));
            EXPECT_EQ(errorNumberOf([&] { numberFromText(text, separator); }), kOverflow);
        }
    }
}

// Exact decimal digits of factor * multiplier^count: the exact midpoints between neighbouring
// doubles run to hundreds of digits.
std::string exactProduct(std::uint64_t factor, int multiplier, int count) {
    std::vector<int> digits;  // least significant first
    for (; factor != 0; factor /= 10) {
        digits.push_back(static_cast<int>(factor % 10));
    }
    for (int i = 0; i < count; ++i) {
        int carry = 0;
        for (int& digit : digits) {
            const int product = digit * multiplier + carry;
            digit = product % 10;
            carry = product / 10;
        }
        for (; carry != 0; carry /= 10) {
            digits.push_back(carry % 10);
        }
    }
    std::string text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        text += static_cast<char>('0' + *digit);
    }
    return text;
}

TEST(NumberFromText, RoundsExactMidpointsToEvenHoweverManyDigitsDecideThem) {
    // Halfway between the largest double and 2^1024, and halfway between 0 and the smallest
    // subnormal. Both ties go to the even side, which is out of range for the first and zero for
    // the second.
    const std::string overflowTie = exactProduct((std::uint64_t{1} << 54) - 1, 2, 970);
    std::string belowOverflowTie = overflowTie;
    belowOverflowTie.back() -= 1;
    const std::string underflowTie = exactProduct(1, 5, 1075);
    const double maxDouble = std::numeric_limits<double>::max();
    const double minSubnormal = std::numeric_limits<double>::denorm_min();

    EXPECT_EQ(errorNumberOf([&] { numberFromText(overflowTie, "."); }), kOverflow);
    EXPECT_EQ(numberFromText(belowOverflowTie, "."), maxDouble);
    EXPECT_EQ(bitsOf(numberFromText(underflowTie + "E-1075", ".")), bitsOf(0.0));
    EXPECT_EQ(bitsOf(numberFromText("-" + underflowTie + "E-1075", ".")), bitsOf(-0.0));
    EXPECT_EQ(numberFromText(underflowTie + "1E-1076", "."), minSubnormal);
    // 2^53 + 1 lies halfway between two doubles; one digit a thousand places on breaks the tie.
    EXPECT_EQ(numberFromText("9007199254740993", "."), 9007199254740992.0);
    EXPECT_EQ(numberFromText("9007199254740993." + zeros(1000) + "1", "."), 9007199254740994.0);
}

struct Shown {
    double value;
    std::string text;
};

TEST(TextFromNumber, ShowsFifteenSignificantDigitsAndUsesExponentsOnlyForExtremeMagnitudes) {
    const std::vector<Shown> table = {
        // Plain decimals, with trailing zeros gone but never from the integer part.
        {0.0, "0"},
        {-0.0, "0"},
        {-1.0, "-1"},
        {100.0, "100"},
        {123.456, "123.456"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        // Up to fifteen integer digits stay plain; a sixteenth switches to an exponent.
        {123456789012345.0, "123456789012345"},
        {1e14, "100000000000000"},
        {1e15, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        // Rounding to fifteen digits can carry into a new power of ten and change the shape.
        {999999999999999.5, "1E+15"},
        {std::nextafter(1e-4, 0.0), "0.0001"},
        // Exact ties go to the even digit.
        {123456789012345.5, "123456789012346"},
        {123456789012344.5, "123456789012344"},
        {1000000000000005.0, "1E+15"},
        // Small magnitudes switch below 0.0001; exponents keep a sign and two digits.
        {0.0001, "0.0001"},
        {-0.000123, "-0.000123"},
        {0.00001, "1E-05"},
        {1.5e-5, "1.5E-05"},
        {-2.5e-7, "-2.5E-07"},
        {1e100, "1E+100"},
        // The ends of the double range: the largest magnitudes whose text still reads back.
        // The double nearest 1.797693134862315E+308 lies just below it.
        {1.797693134862315e308, "1.79769313486231E+308"},
        {-1.797693134862315e308, "-1.79769313486231E+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}};
    for (const std::string& separator : kSeparators) {
        for (const Shown& row : table) {
            SCOPED_TRACE(row.text);
            EXPECT_EQ(textFromNumber(row.value, separator), withSeparator(row.text, separator));
        }
    }
}

TEST(TextFromNumber, RefusesToShowInfinityNaNOrATextThatCouldNotBeReadBack) {
    // Above 1.797693134862315E+308, 15 digits round past the largest double.
    const double table[] = {
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(),
        std::nextafter(1.797693134862315e308, std::numeric_limits<double>::infinity()),
        2.2471164185778946e307 * 8};
    for (double value : table) {
        EXPECT_EQ(errorNumberOf([&] { textFromNumber(value, "."); }), kOverflow);
    }
}

TEST(CheckedResult, PassesFiniteValuesUnchangedAndReportsOverflowForTheRest) {
    struct Row {
        double value;
        std::optional<int> error;
    };
    const std::vector<Row> table = {{0.0, std::nullopt},
                                    {-0.0, std::nullopt},
                                    {std::numeric_limits<double>::max(), std::nullopt},
                                    {-std::numeric_limits<double>::denorm_min(), std::nullopt},
                                    {std::numeric_limits<double>::infinity(), kOverflow},
                                    {-std::numeric_limits<double>::infinity(), kOverflow},
                                    {std::numeric_limits<double>::quiet_NaN(), kOverflow}};
    for (const Row& row : table) {
        double result = 0;
        EXPECT_EQ(errorNumberOf([&] { result = checkedResult(row.value); }), row.error);
        if (!row.error) {
            EXPECT_EQ(bitsOf(result), bitsOf(row.value));
        }
    }
}

TEST(TextFromInteger, ShowsTheWholeSixteenBitRange) {
    const std::vector<std::pair<std::int16_t, std::string>> table = {
        {0, "0"}, {7, "7"}, {-1, "-1"}, {32767, "32767"}, {-32768, "-32768"}};
    for (const auto& [value, text] : table) {
        EXPECT_EQ(textFromInteger(value), text);
    }
}

// A toolkit may set the process's C locale to the user's (Qt does); the text shown must still
// carry only the separator passed in. Restores the "C" locale for the reference tests below.
TEST(TextFromNumber, IgnoresTheDecimalPointOfTheProcessLocale) {
    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252"};
    const auto found = std::find_if(std::begin(commaLocales), std::end(commaLocales),
                                    [](const char* name) { return setlocale(LC_NUMERIC, name); });
    if (found == std::end(commaLocales)) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string shown[] = {textFromNumber(1.5, "."), textFromNumber(-2.5e-7, ".")};
    setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(shown[0], "1.5");
    EXPECT_EQ(shown[1], "-2.5E-07");
}

// The C library references read and write "." only while the process stays in the "C" locale.
void expectCLocale() {
    ASSERT_STREQ(localeconv()->decimal_point, ".") << "something called setlocale";
}

// Random bit patterns reach every magnitude, the subnormals and both signs. Zero is left to the
// tables, since the C library writes negative zero as "-0".
double randomNonZeroFiniteDouble(std::mt19937_64& random) {
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value) && value != 0) {
            return value;
        }
    }
}

TEST(NumberTextRoundTrip, EveryShownNumberReadsBackToTheSameTextAndTheNearestDouble) {
    ASSERT_NO_FATAL_FAILURE(expectCLocale());
    std::mt19937_64 random(20240611);
    for (const char separator : {'.', ','}) {
        const std::string separatorText(1, separator);
        for (int i = 0; i < 500'000; ++i) {
            const double x = randomNonZeroFiniteDouble(random);
            char reference[40];
            const int length = std::snprintf(reference, sizeof reference, "%.15G", x);
            const double nearest = std::strtod(reference, nullptr);
            std::replace(reference, reference + length, '.', separator);

            const std::string text = textFromNumber(x, separatorText);
            ASSERT_EQ(text, reference);
            double y = 0;
            ASSERT_NO_THROW(y = numberFromText(text, separatorText)) << text;
            ASSERT_EQ(bitsOf(y), bitsOf(nearest)) << text;
            ASSERT_EQ(textFromNumber(y, separatorText), text);
            if (std::isnormal(x)) {
                ASSERT_LE(std::abs(y - x), std::abs(x) * 1e-14) << text;
            }
        }
    }
}

// Typed forms that textFromNumber never writes: long digit strings, leading zeros, blanks and
// exponents around the edges of the double range, where underflow and overflow part ways.
TEST(NumberTextRoundTrip, TypedNumbersReadLikeTheCLibraryReadsThem) {
    ASSERT_NO_FATAL_FAILURE(expectCLocale());
    std::mt19937_64 random(7);
    const auto below = [&random](int limit) {
        return static_cast<int>(random() % static_cast<std::uint64_t>(limit));
    };
    const auto digits = [&](int count) {
        std::string result;
        for (int i = 0; i < count; ++i) {
            result += static_cast<char>('0' + below(10));
        }
        return result;
    };
    const char* const blanks[] = {"", " ", "\t", " \t "};
    const char* const signs[] = {"", "+", "-"};
    for (int i = 0; i < 25'000; ++i) {
        std::string number = std::string(signs[below(3)]) + digits(below(25)) +
                             (below(4) ? "." : "") + digits(below(25));
        if (number.find_first_of("0123456789") == std::string::npos) {
            number += "1";
        }
        const int exponent = below(700) - 360;
        number += std::string(below(2) ? "E" : "e") + (exponent < 0 ? "-" : signs[below(2)]) +
                  zeros(static_cast<std::size_t>(below(3))) + std::to_string(std::abs(exponent));

        errno = 0;
        const double reference = std::strtod(number.c_str(), nullptr);
        const bool overflows = errno == ERANGE && std::isinf(reference);
        for (const std::string separator : {".", ","}) {
            const std::string text =
                std::string(blanks[below(4)]) + withSeparator(number, separator) + blanks[below(4)];
            if (overflows) {
                ASSERT_EQ(errorNumberOf([&] { numberFromText(text, separator); }), kOverflow)
                    << text;
            } else {
                ASSERT_EQ(bitsOf(numberFromText(text, separator)), bitsOf(reference)) << text;
            }
        }
    }
}

}  // namespace
}  // namespace quantaro
