// A million random doubles of every magnitude, the subnormals and both signs, written, read back
// and written again. The expected digits are made here from the double's exact decimal
// expansion (every double has a finite one, and std::to_chars prints all of it when asked for
// enough digits), so they share nothing with the C library call the writer takes its digits
// from. The C library's strtod, which needs the "C" locale, reads them as the reference for the
// double the text must read back to.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "runtime/number_text.h"
#include "runtime/number_text_cases.h"

namespace quantaro {
namespace {

using namespace number_cases;

// Significant digits of a magnitude (no trailing zeros once rounded), the power of ten of the
// first.
struct Decimal {
    bool negative = false;
    std::string digits;
    int power = 0;
    bool operator==(const Decimal&) const = default;
};

// The first 16 digits of the exact expansion, which is all the rounding needs. No double's
// expansion has more than 767 significant digits, so to_chars rounds none of them.
Decimal exactLeadingDigits(double value) {
    std::array<char, 800> printed;
    const char* const end = std::to_chars(printed.data(), printed.data() + printed.size(), value,
                                          std::chars_format::scientific, 770)
                                .ptr;
    const std::string_view text(printed.data(), static_cast<std::size_t>(end - printed.data()));
    Decimal exact;
    exact.negative = text.front() == '-';
    const std::size_t first = exact.negative ? 1 : 0;  // then "d.ddd...e-XXX"
    exact.digits = std::string(text.substr(first, 1)).append(text.substr(first + 2, 15));
    exact.power = std::stoi(std::string(text.substr(text.find('e') + 1)));
    return exact;
}

// The 16th digit alone decides: below 5 rounds down; 5 with nothing after it is an exact tie,
// which goes away from zero like everything above it.
Decimal roundedToFifteenDigits(Decimal number) {
    const bool up = number.digits[15] >= '5';
    number.digits.resize(15);
    int carry = up ? 14 : -1;
    for (; carry >= 0 && number.digits[carry] == '9'; --carry) {
        number.digits[carry] = '0';
    }
    if (carry >= 0) {
        ++number.digits[carry];
    } else if (up) {
        number.digits.insert(0, "1");
        ++number.power;
    }
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    return number;
}

// The reference for the double a text must read back to, in the exponent form strtod reads.
std::string scientific(const Decimal& number) {
    std::string text = number.negative ? "-" : "";
    text += number.digits.substr(0, 1) + "." + number.digits.substr(1);
    return text + "e" + std::to_string(number.power);
}

// The sign, significant digits and power of ten that a written text spells, whichever layout
// it has: "0.00012", "1,2E-04" and "1.2E-4" all spell 12 at the power -4. Which layout the
// writer picks is number_writing_test.cpp's, against rows written out and Windows' own.
Decimal spelledBy(std::string_view text, const std::string& separator) {
    Decimal number;
    number.negative = text.starts_with('-');
    text.remove_prefix(number.negative ? 1 : 0);
    const std::size_t e = text.find('E');
    const int exponent =
        e == std::string_view::npos ? 0 : std::stoi(std::string(text.substr(e + 1)));
    std::string mantissa(text.substr(0, e));
    const std::size_t point = mantissa.find(separator);
    const std::size_t whole = point == std::string::npos ? mantissa.size() : point;
    if (point != std::string::npos) {
        mantissa.erase(point, separator.size());
    }
    const std::size_t first = mantissa.find_first_not_of('0');
    number.digits = mantissa.substr(first);
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    number.power = exponent + static_cast<int>(whole) - 1 - static_cast<int>(first);
    return number;
}

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
    for (const std::string separator : {".", ","}) {
        for (int i = 0; i < 500'000; ++i) {
            const double x = randomNonZeroFiniteDouble(random);
            const Decimal rounded = roundedToFifteenDigits(exactLeadingDigits(x));
            const double nearest = std::strtod(scientific(rounded).c_str(), nullptr);

            const std::string text = textFromNumber(x, separator);
            ASSERT_TRUE(spelledBy(text, separator) == rounded) << text;
            double y = 0;
            ASSERT_NO_THROW(y = numberFromText(text, separator)) << text;
            ASSERT_EQ(bitsOf(y), bitsOf(nearest)) << text;
            ASSERT_EQ(textFromNumber(y, separator), text);
            if (std::isnormal(x)) {
                ASSERT_LE(std::abs(y - x), std::abs(x) * 1e-14) << text;
            }
        }
    }
}

}  // namespace
}  // namespace quantaro
