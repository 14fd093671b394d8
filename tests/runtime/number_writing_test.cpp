// Exact-behaviour tests of writing a number: the text a user is shown for a double, against
// texts checked on Windows and values whose digits follow from their construction.
#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/number_text.h"
#include "runtime/number_text_cases.h"
#include "runtime/number_texts.h"

namespace quantaro {
namespace {

using namespace number_cases;

struct Shown {
    double value;
    std::string text;
};

void expectShown(const std::vector<Shown>& table) {
    for (const std::string& separator : kSeparators) {
        for (const Shown& row : table) {
            SCOPED_TRACE(row.text);
            EXPECT_EQ(textFromNumber(row.value, separator), withSeparator(row.text, separator));
        }
    }
}

TEST(TextFromNumber, ShowsFifteenSignificantDigitsAndUsesExponentsOnlyForExtremeMagnitudes) {
    const std::vector<Shown> table = {
        // Plain decimals, with trailing zeros gone but never from the integer part.
        {0.0, "0"},
        {-0.0, "0"},
        {-1.0, "-1"},
        {100.0, "100"},
        {123.456, "123.456"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        // Up to fifteen integer digits stay plain; a sixteenth switches to an exponent.
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {1e100, "1E+100"},
        // The ends of the double range: the largest magnitudes whose text still reads back.
        // The double nearest 1.797693134862315E+308 lies just below it.
        {1.797693134862315e308, "1.79769313486231E+308"},
        {-1.797693134862315e308, "-1.79769313486231E+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}};
    expectShown(table);
}

// Below 0.0001 the positional form stays while it needs at most 15 digits after the
// separator; it is the rounded value that decides.
TEST(TextFromNumber, WritesSmallMagnitudesPositionallyUpToFifteenFractionDigits) {
    const std::vector<Shown> table = {
        // 14, 15 and 16 fraction digits.
        {1.2345e-10, "0.00000000012345"},
        {1.2345e-11, "0.000000000012345"},
        {1.2345e-12, "1.2345E-12"},
        {-1e-15, "-0.000000000000001"},
        {1e-16, "1E-16"},
        {0.000030517578125, "0.000030517578125"},
        {0.0000305175781251, "3.05175781251E-05"},
        {0.00003051757812, "0.00003051757812"},
        // From 0.0001 up every length is positional.
        {0.000123456789012345, "0.000123456789012345"},
        {0.0000123456789012345, "1.23456789012345E-05"},
        {std::nextafter(1e-4, 0.0), "0.0001"},
        // Rounding can carry into the positional form, or stay just short of it.
        {std::nextafter(1e-11, 0.0), "0.00000000001"},
        {9.99999999999999e-12, "9.99999999999999E-12"},
        {std::nextafter(1e15, 0.0), "1E+15"},
    };
    expectShown(table);
}

// Values exactly halfway at the 15th digit (each fits a double's 53 bits, so the literal is the
// value), and their neighbouring doubles, which are no ties.
TEST(TextFromNumber, RoundsExactTiesAwayFromZeroAndEverythingElseToTheNearest) {
    const double twoToMinus22 = std::ldexp(1.0, -22);  // 2.384185791015625E-07
    const double tieAtTheTop = 999999999999999.5;
    const std::vector<Shown> table = {
        {twoToMinus22, "2.38418579101563E-07"},
        {-twoToMinus22, "-2.38418579101563E-07"},
        {std::nextafter(twoToMinus22, 0.0), "2.38418579101562E-07"},
        {std::nextafter(twoToMinus22, 1.0), "2.38418579101563E-07"},
        // An even and an odd 15th digit: both go up.
        {123456789012344.5, "123456789012345"},
        {std::nextafter(123456789012344.5, 0.0), "123456789012344"},
        {-123456789012345.5, "-123456789012346"},
        {1000000000000005.0, "1.00000000000001E+15"},
        {std::nextafter(1000000000000005.0, 0.0), "1E+15"},
        // A tie that carries into the next power of ten.
        {tieAtTheTop, "1E+15"},
        {std::nextafter(tieAtTheTop, 0.0), "999999999999999"},
    };
    expectShown(table);
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

struct CheckedRow {
    std::string separator;
    double value = 0;
    std::string text;
};

std::vector<CheckedRow> windowsCheckedRows() {
    std::vector<CheckedRow> rows;
    std::string_view rest = kNumberTextsTsv;
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const std::size_t tab = line.find('\t');
        const std::size_t secondTab = line.find('\t', tab + 1);
        CheckedRow row;
        row.separator = line.substr(0, tab) == "040a" ? "," : ".";
        const std::string_view literal = line.substr(tab + 1, secondTab - tab - 1);
        std::from_chars(literal.data(), literal.data() + literal.size(), row.value);
        row.text = line.substr(secondTab + 1);
        rows.push_back(row);
    }
    return rows;
}

// Each row in its own locale, and again with the other locale's separator.
TEST(TextFromNumber, WritesWhatWindowsWritesForEveryCheckedRow) {
    const std::vector<CheckedRow> rows = windowsCheckedRows();
    ASSERT_EQ(rows.size(), 52u);
    for (const CheckedRow& row : rows) {
        for (const std::string separator : {".", ","}) {
            std::string expected = row.text;
            std::replace(expected.begin(), expected.end(), row.separator[0], separator[0]);
            SCOPED_TRACE(row.text + " with " + separator);
            EXPECT_EQ(textFromNumber(row.value, separator), expected);
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
// carry only the separator passed in. Restores the "C" locale for the reference tests.
TEST(TextFromNumber, IgnoresTheDecimalPointOfTheProcessLocale) {
    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252"};
    const auto found = std::find_if(std::begin(commaLocales), std::end(commaLocales),
                                    [](const char* name) { return setlocale(LC_NUMERIC, name); });
    if (found == std::end(commaLocales)) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string shown[] = {textFromNumber(1.5, "."), textFromNumber(-2.5e-17, ".")};
    setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(shown[0], "1.5");
    EXPECT_EQ(shown[1], "-2.5E-17");
}

}  // namespace
}  // namespace quantaro
