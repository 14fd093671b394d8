// Number <-> text conversions for the forms runtime. Reading goes through std::from_chars, which
// is correctly rounded and ignores the C locale. Writing takes the 15 correctly rounded digits
// from snprintf's exponent form and lays them out itself, reading only digits, sign and exponent
// from it, so a decimal point that a toolkit's C locale puts there never reaches the user: what
// a user types and sees depends only on the separator passed in. (std::to_chars with a precision
// would do the same, but on Windows it links 170 KB of tables into a static program.)
#include "runtime/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* skipDigits(const char* p, const char* end) {
    while (p != end && isDigit(*p)) {
        ++p;
    }
    return p;
}

const char* skipSign(const char* p, const char* end, bool& negative) {
    negative = p != end && *p == '-';
    return p != end && (*p == '+' || *p == '-') ? p + 1 : p;
}

// A user can type "1E99999999999999999999"; the exponent stops growing past this instead of
// wrapping, which is harmless because anything past a few hundred decides the outcome alone.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

struct TypedNumber {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;
};

// Plain pointer scanning, because this runs for every value read from a form and should stay
// quick even in unoptimised builds.
TypedNumber parseTyped(std::string_view text, std::string_view decimalSeparator) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && isBlank(*p)) {
        ++p;
    }
    while (end != p && isBlank(end[-1])) {
        --end;
    }

    TypedNumber number;
    p = skipSign(p, end, number.negative);
    const char* digits = p;
    p = skipDigits(p, end);
    number.integerDigits = std::string_view(digits, p);
    // An empty separator would match everywhere; with one, a number simply has no fraction.
    if (!decimalSeparator.empty() && std::string_view(p, end).starts_with(decimalSeparator)) {
        digits = p + decimalSeparator.size();
        p = skipDigits(digits, end);
        number.fractionDigits = std::string_view(digits, p);
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) {
        throw RunTimeError::typeMismatch();
    }

    if (p != end && (*p == 'E' || *p == 'e')) {
        bool negativeExponent = false;
        digits = skipSign(p + 1, end, negativeExponent);
        p = skipDigits(digits, end);
        if (p == digits) {
            throw RunTimeError::typeMismatch();
        }
        for (const char* digit = digits; digit != p && number.exponent < kExponentLimit; ++digit) {
            number.exponent = number.exponent * 10 + (*digit - '0');
        }
        if (negativeExponent) {
            number.exponent = -number.exponent;
        }
    }
    if (p != end) {
        throw RunTimeError::typeMismatch();
    }
    return number;
}

// The power of ten of the leading non-zero digit, or nothing for a zero. It is what tells an
// underflow (which quietly becomes zero) from an overflow (which is an error) once from_chars
// has said only "out of range".
std::optional<std::int64_t> leadingDigitPower(const TypedNumber& number) {
    const std::size_t integerNonZero = number.integerDigits.find_first_not_of('0');
    if (integerNonZero != std::string_view::npos) {
        const auto wholeDigits =
            static_cast<std::int64_t>(number.integerDigits.size() - integerNonZero);
        return number.exponent + wholeDigits - 1;
    }
    const std::size_t fractionNonZero = number.fractionDigits.find_first_not_of('0');
    if (fractionNonZero != std::string_view::npos) {
        return number.exponent - static_cast<std::int64_t>(fractionNonZero) - 1;
    }
    return std::nullopt;
}

// Leading-digit powers outside these bounds cannot reach a finite non-zero double: the largest
// double is below 1E+309, and anything below 1E-324 is less than half the smallest subnormal,
// so it rounds to zero. Settling them early also keeps the exponent handed to from_chars small.
constexpr std::int64_t kLowestPower = -324;
constexpr std::int64_t kHighestPower = 308;

double signedZero(bool negative) {
    return negative ? -0.0 : 0.0;
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

double numberFromText(std::string_view text, std::string_view decimalSeparator) {
    const TypedNumber number = parseTyped(text, decimalSeparator);
    const std::optional<std::int64_t> power = leadingDigitPower(number);
    if (!power) {
        return signedZero(number.negative);
    }
    if (*power > kHighestPower) {
        throw RunTimeError::overflow();
    }
    if (*power < kLowestPower) {
        return signedZero(number.negative);
    }

    // from_chars wants "." and no "+", so the digits are copied into that shape. Typical input
    // fits the stack buffer; a pasted thousand-digit number takes the heap instead of being cut.
    const std::size_t length =
        number.integerDigits.size() + number.fractionDigits.size() + 32;  // sign, ".", "e-..."
    std::array<char, 128> small;
    std::string large;
    if (length > small.size()) {
        large.resize(length);
    }
    char* const first = large.empty() ? small.data() : large.data();
    char* out = first;
    const auto append = [&out](std::string_view part) {
        std::memcpy(out, part.data(), part.size());
        out += part.size();
    };
    append(number.negative ? "-" : "");
    append(number.integerDigits);
    if (!number.fractionDigits.empty()) {
        append(".");
        append(number.fractionDigits);
    }
    append("e");
    out = std::to_chars(out, first + length, number.exponent).ptr;

    double value = 0;
    const auto [end, error] = std::from_chars(first, out, value);
    if (error == std::errc::result_out_of_range) {
        // libstdc++ returns subnormals normally and reports out of range only for a result that
        // rounds to zero or beyond the largest double.
        if (*power < 0) {
            return signedZero(number.negative);
        }
        throw RunTimeError::overflow();
    }
    if (error != std::errc{} || end != out) {
        throw RunTimeError::typeMismatch();
    }
    return value;
}

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

double checkedResult(double value) {
    if (!std::isfinite(value)) {
        throw RunTimeError::overflow();
    }
    return value;
}

}  // namespace quantaro
