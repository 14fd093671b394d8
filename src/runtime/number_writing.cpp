// Writing a double as the text a user is shown, for the forms runtime. The 15 correctly rounded
// digits come from snprintf's exponent form, and the text is laid out here, reading only digits,
// sign and exponent from it, so a decimal point that a toolkit's C locale puts there never
// reaches the user: what a user sees depends only on the separator passed in. (std::to_chars
// with a precision would give the digits too, but on Windows it links 170 KB of tables into a
// static program.)
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* skipSign(const char* p, const char* end, bool& negative) {
    negative = p != end && *p == '-';
    return p != end && (*p == '+' || *p == '-') ? p + 1 : p;
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

// The 15 significant digits of a finite non-zero value, correctly rounded, and the power of
// ten of the first. snprintf writes "-d.ddddddddddddde+XX" with the C locale's decimal point,
// which may be anything, so only the ASCII digits before the "e" are taken.
struct RoundedDigits {
    bool negative = false;
    std::array<char, 15> digits{};
    int exponent = 0;
};

RoundedDigits roundedDigits(double value) {
    std::array<char, 64> printed;
    const int length = std::snprintf(printed.data(), printed.size(), "%.14e", value);
    if (length <= 0 || static_cast<std::size_t>(length) >= printed.size()) {
        throw RunTimeError::overflow();
    }
    const char* p = printed.data();
    const char* const end = p + length;
    RoundedDigits rounded;
    rounded.negative = *p == '-';
    std::size_t count = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (isDigit(*p) && count < rounded.digits.size()) {
            rounded.digits[count++] = *p;
        }
    }
    bool negativeExponent = false;
    p = p == end ? end : skipSign(p + 1, end, negativeExponent);
    for (; p != end && isDigit(*p); ++p) {
        rounded.exponent = rounded.exponent * 10 + (*p - '0');
    }
    if (count != rounded.digits.size() || p != end) {
        throw RunTimeError::overflow();
    }
    rounded.exponent = negativeExponent ? -rounded.exponent : rounded.exponent;
    return rounded;
}

// Writes what printf's "%.15g" would in the C locale: positional for powers of ten from -5 to
// 14, exponent form with a sign and at least two exponent digits otherwise; trailing zeros of
// the fraction, and a point left with no fraction, dropped. Returns the end of the text.
char* writeGeneral15(double value, char* out) {
    const RoundedDigits rounded = roundedDigits(value);
    std::size_t significant = rounded.digits.size();
    while (significant > 1 && rounded.digits[significant - 1] == '0') {
        --significant;
    }
    const auto digit = [&rounded, significant](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < significant
                   ? rounded.digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    if (rounded.negative) {
        *out++ = '-';
    }
    const int power = rounded.exponent;
    const int last = static_cast<int>(significant) - 1;
    if (power >= -4 && power < 15) {
        // Positional: the digit written at place k (k = power down to the last one) is the
        // one of power of ten k.
        const int lowest = std::min(0, power - last);
        for (int place = std::max(power, 0); place >= lowest; --place) {
            *out++ = digit(power - place);
            if (place == 0 && lowest < 0) {
                *out++ = '.';
            }
        }
        return out;
    }
    *out++ = rounded.digits[0];
    if (last > 0) {
        *out++ = '.';
        for (int index = 1; index <= last; ++index) {
            *out++ = digit(index);
        }
    }
    *out++ = 'e';
    *out++ = power < 0 ? '-' : '+';
    const int magnitude = power < 0 ? -power : power;
    if (magnitude >= 100) {
        *out++ = static_cast<char>('0' + magnitude / 100);
    }
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
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
    // The longest 15-digit text is "-1.23456789012345e-308", 22 characters.
    std::array<char, 32> buffer;
    char* const end = writeGeneral15(value, buffer.data());
    if (!readsBack(value, buffer.data(), end)) {
        throw RunTimeError::overflow();
    }
    char* point = end;
    for (char* p = buffer.data(); p != end; ++p) {
        if (*p == 'e') {
            *p = 'E';
        } else if (*p == '.') {
            point = p;
        }
    }
    if (point == end) {
        return std::string(buffer.data(), end);
    }
    std::string text(static_cast<std::size_t>(end - buffer.data() - 1) + decimalSeparator.size(),
                     '\0');
    const auto before = static_cast<std::size_t>(point - buffer.data());
    std::memcpy(text.data(), buffer.data(), before);
    std::memcpy(text.data() + before, decimalSeparator.data(), decimalSeparator.size());
    std::memcpy(text.data() + before + decimalSeparator.size(), point + 1,
                static_cast<std::size_t>(end - point - 1));
    return text;
}

std::string textFromInteger(std::int16_t value) {
    std::array<char, 8> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

}  // namespace quantaro
