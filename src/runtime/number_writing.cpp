// Writing a double as the text a user is shown, for the forms runtime, as Windows' own conversion
// writes it: 15 significant digits, exact ties rounded away from zero, positional as long as that
// stays short. The correctly rounded digits come from snprintf's exponent form; a tie is then
// settled here on the exact binary value, and the text is laid out here, reading only digits,
// sign and exponent from snprintf, so a decimal point that a toolkit's C locale puts there never
// reaches the user: what a user sees depends only on the separator passed in. (std::to_chars
// with a precision would give exact digits too, but on Windows it links 170 KB of tables into a
// static program.)
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kFifteenDigitsEnd = 1'000'000'000'000'000;  // 10^15

// A finite non-zero magnitude rounded to 15 significant digits: digits * 10^(power - 14), so
// power is the power of ten of the first digit.
struct Rounded {
    bool negative = false;
    std::uint64_t digits = 0;  // from 10^14 to 10^15 - 1
    int power = 0;
};

// snprintf writes "-d.ddddddddddddde+XX" with the C locale's decimal point, which may be
// anything, so only the ASCII digits and the exponent are taken.
Rounded nearestFifteenDigits(double value) {
    std::array<char, 64> printed;
    const int length = std::snprintf(printed.data(), printed.size(), "%.14e", value);
    if (length <= 0 || static_cast<std::size_t>(length) >= printed.size()) {
        throw RunTimeError::overflow();
    }
    const std::string_view text(printed.data(), static_cast<std::size_t>(length));
    const std::size_t e = text.find('e');
    Rounded rounded;
    rounded.negative = text.front() == '-';
    int count = 0;
    for (const char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            rounded.digits = rounded.digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
        }
    }
    const std::string_view exponent = text.substr(std::min(e + 1, text.size()));
    const bool negativeExponent = exponent.starts_with('-');
    const char* const first = exponent.data() + (exponent.starts_with('+') || negativeExponent);
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), rounded.power);
    if (count != kSignificantDigits || e == std::string_view::npos || error != std::errc{} ||
        end != text.data() + text.size()) {
        throw RunTimeError::overflow();
    }
    rounded.power = negativeExponent ? -rounded.power : rounded.power;
    return rounded;
}

// Multiplies by 5 count times, stopping early once the product passes limit; limit must stay
// below 2^61 so that the last step cannot wrap.
std::uint64_t timesPowerOfFive(std::uint64_t factor, int count, std::uint64_t limit) {
    for (; count > 0 && factor <= limit; --count) {
        factor *= 5;
    }
    return factor;
}

// Whether a magnitude lies exactly halfway between digits and digits + 1 (in units of the 15th
// digit). The magnitude is odd * 2^e; the midpoint is (2 * digits + 1) * 10^k / 2, with k =
// power - 14. An odd number times a power of ten over two equals odd * 2^e only when e = k - 1
// and the odd factors agree once the powers of five are moved to one side.
bool liesHalfwayAbove(double magnitude, const Rounded& rounded) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    int twoPower = -1074;
    if (biasedExponent != 0) {
        significand |= std::uint64_t{1} << 52;
        twoPower = biasedExponent - 1075;
    }
    const int zeros = std::countr_zero(significand);
    const std::uint64_t odd = significand >> zeros;
    const int k = rounded.power - (kSignificantDigits - 1);
    if (twoPower + zeros != k - 1) {
        return false;
    }
    // Both odd factors are below 2^53, so a product that passes it can no longer match.
    constexpr std::uint64_t limit = std::uint64_t{1} << 53;
    const std::uint64_t midpointOdd = 2 * rounded.digits + 1;
    return timesPowerOfFive(odd, -k, limit) == timesPowerOfFive(midpointOdd, k, limit);
}

// Correctly rounded digits, with an exact tie taken away from zero whichever way the C library
// settled it.
Rounded roundedAwayOnTies(double value) {
    Rounded rounded = nearestFifteenDigits(value);
    if (liesHalfwayAbove(std::abs(value), rounded)) {
        if (++rounded.digits == kFifteenDigitsEnd) {
            rounded.digits /= 10;
            ++rounded.power;
        }
    }
    return rounded;
}

// The significant digits without trailing zeros, as ASCII.
struct Digits {
    std::array<char, kSignificantDigits> text{};
    int count = 0;
};

Digits significantDigits(std::uint64_t digits) {
    while (digits % 10 == 0) {
        digits /= 10;
    }
    Digits result;
    result.count = static_cast<int>(
        std::to_chars(result.text.data(), result.text.data() + result.text.size(), digits).ptr -
        result.text.data());
    return result;
}

// Positional for powers of ten from -4 to 14, and for smaller ones while the fraction needs at
// most 15 digits ("0.000000000056789"); "1E+15" and "5.6789E-12" are written with an exponent.
bool isPositional(int power, const Digits& digits) {
    const int fractionDigits = digits.count - 1 - power;
    return power < kSignificantDigits && (power >= -4 || fractionDigits <= kSignificantDigits);
}

// The digit written at place p (p = power down to the last one) is the one of power of ten p.
char* writePositional(int power, const Digits& digits, char* out) {
    const int lowest = std::min(0, power - (digits.count - 1));
    for (int place = std::max(power, 0); place >= lowest; --place) {
        const int index = power - place;
        *out++ = index >= 0 && index < digits.count ? digits.text[index] : '0';
        if (place == 0 && lowest < 0) {
            *out++ = '.';
        }
    }
    return out;
}

// "d.dddE+XX": an uppercase E, a sign and at least two exponent digits.
char* writeExponentForm(int power, const Digits& digits, char* out) {
    *out++ = digits.text[0];
    if (digits.count > 1) {
        *out++ = '.';
        out = std::copy(digits.text.begin() + 1, digits.text.begin() + digits.count, out);
    }
    *out++ = 'E';
    *out++ = power < 0 ? '-' : '+';
    const int magnitude = power < 0 ? -power : power;
    if (magnitude >= 100) {
        *out++ = static_cast<char>('0' + magnitude / 100);
    }
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

// Writes the text with "." for the decimal separator. Returns the end of the text.
char* writeFifteenDigits(double value, char* out) {
    const Rounded rounded = roundedAwayOnTies(value);
    const Digits digits = significantDigits(rounded.digits);
    if (rounded.negative) {
        *out++ = '-';
    }
    return isPositional(rounded.power, digits) ? writePositional(rounded.power, digits, out)
                                               : writeExponentForm(rounded.power, digits, out);
}

// Rounding to 15 digits can carry the text of a value just below the largest double past it:
// 1.797693134862315E+308 and up would be written "1.79769313486232E+308", which no one can
// read back. Such a value is as out of range as infinity. Only magnitudes this close to the
// top need the second look.
bool readsBack(double value, const char* first, const char* last) {
    if (std::abs(value) < 1e308) {
        return true;
    }
    double back = 0;
    return std::from_chars(first, last, back).ec == std::errc{};
}

}  // namespace

std::string textFromNumber(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        throw RunTimeError::overflow();
    }
    // Comparing equal to zero catches -0 as well, which a user should never be shown.
    if (value == 0) {
        return "0";
    }
    // The longest texts: "-1.23456789012345E-308" (22 characters) and "-0.0000xxxx" with 15
    // fraction digits (18).
    std::array<char, 32> buffer;
    char* const end = writeFifteenDigits(value, buffer.data());
    if (!readsBack(value, buffer.data(), end)) {
        throw RunTimeError::overflow();
    }
    const std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = written.find('.');
    if (point == std::string_view::npos) {
        return std::string(written);
    }
    std::string text;
    text.reserve(written.size() - 1 + decimalSeparator.size());
    text.append(written.substr(0, point))
        .append(decimalSeparator)
        .append(written.substr(point + 1));
    return text;
}

std::string textFromInteger(std::int16_t value) {
    std::array<char, 8> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

}  // namespace quantaro
