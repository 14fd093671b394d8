// A million random doubles of every magnitude, the subnormals and both signs, written, read back
// and written again. The expected text is made here from the double's exact decimal expansion
// (every double has a finite one, and std::to_chars prints all of it when asked for enough
// digits), so it shares nothing with the C library call the writer takes its digits from. The C
// library's strtod, which needs the "C" locale, reads the expected text as the reference for
// the double it must read back to.
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

// Positional from 1E-04 to below 1E+15, and for smaller magnitudes while at most 15 digits
// follow the separator.
std::string laidOut(const Decimal& number, const std::string& separator) {
    const int count = static_cast<int>(number.digits.size());
    const int power = number.power;
    std::string text = number.negative ? "-" : "";
    if (power >= 15 || (power < -4 && count - 1 - power > 15)) {
        text += number.digits.substr(0, 1);
        if (count > 1) {
            text += separator + number.digits.substr(1);
        }
        const std::string exponent = std::to_string(std::abs(power));
        return text + (power < 0 ? "E-" : "E+") + (exponent.size() < 2 ? "0" : "") + exponent;
    }
    if (power < 0) {
        return text + "0" + separator + zeros(static_cast<std::size_t>(-power - 1)) + number.digits;
    }
    const auto whole = static_cast<std::size_t>(power + 1);
    text += number.digits.substr(0, whole);
    if (number.digits.size() < whole) {
        return text + zeros(whole - number.digits.size());
    }
    return number.digits.size() == whole ? text : text + separator + number.digits.substr(whole);
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
            const double nearest = std::strtod(laidOut(rounded, ".").c_str(), nullptr);
            const std::string expected = laidOut(rounded, separator);

            const std::string text = textFromNumber(x, separator);
            ASSERT_EQ(text, expected);
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
