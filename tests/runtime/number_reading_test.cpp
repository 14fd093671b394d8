// Exact-behaviour tests of reading a number: what a user may type, and the double it becomes.
// The C library's strtod serves as an independent reference; it needs the "C" locale, which this
// test program never leaves.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "runtime/number_text.h"
#include "runtime/number_text_cases.h"
#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

using namespace number_cases;

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
        // Any Unicode white space around the number, as a paste brings it: line breaks, the
        // no-break and narrow no-break spaces, the ideographic space.
        {"1024\n", 1024.0},
        {"\r\n 5.5\r\n", 5.5},
        {"\v\f8\u0085", 8.0},
        {"\u00A0-1.5\u202F", -1.5},
        {"\u3000\u2003+2\u2009\u205F", 2.0},
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
        // Blanks inside the number, blanks only, a blank's bytes cut short.
        "1\n0", "1.\r5", "-\u00A01", "1E\u20095", "1\u202F000", "\r\n\u00A0", "1\xC2",
        "\xA0"
        "1",
        // Brackets, currency, a trailing sign, non-ASCII digits, a stray NUL.
        "(1)", "1+", "\u20AC5", "5\u00A0\u20AC", "\xD9\xA1", "\xEF\xBC\x91", std::string("1\0", 2)};
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
