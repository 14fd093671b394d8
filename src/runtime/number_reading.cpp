// Reading a number a user typed, or a box shows, for the forms runtime. It goes through
// std::from_chars, which is correctly rounded and ignores the C locale, so what a user may type
// depends only on the separator passed in. (Writing is in number_writing.cpp.)
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"

namespace quantaro {
namespace {

// Blanks around a number are the Unicode white space: besides the space, tab, line feed and
// carriage return a pasted "1024\n" brings, the no-break and the typographic spaces. In UTF-8,
// the ones beyond ASCII:
constexpr std::string_view kWideBlanks[] = {"\u0085", "\u00A0", "\u1680", "\u2000", "\u2001",
                                            "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
                                            "\u2007", "\u2008", "\u2009", "\u200A", "\u2028",
                                            "\u2029", "\u202F", "\u205F", "\u3000"};

bool isAsciiBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

enum class Side { start, end };

// The length of the blank at this side of the text; 0 if none.
std::size_t blankLength(std::string_view text, Side side) {
    if (text.empty()) {
        return 0;
    }
    const bool atEnd = side == Side::end;
    if (const char edge = atEnd ? text.back() : text.front(); isAscii(edge)) {
        return isAsciiBlank(edge) ? 1 : 0;
    }
    for (const std::string_view blank : kWideBlanks) {
        if (atEnd ? text.ends_with(blank) : text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::string_view withoutSurroundingBlanks(std::string_view text) {
    while (const std::size_t length = blankLength(text, Side::start)) {
        text.remove_prefix(length);
    }
    while (const std::size_t length = blankLength(text, Side::end)) {
        text.remove_suffix(length);
    }
    return text;
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

// The exponent part ("E-12") where the digits go on with one; returns where it ends.
const char* parseExponent(const char* p, const char* end, std::int64_t& exponent) {
    if (p == end || (*p != 'E' && *p != 'e')) {
        return p;
    }
    bool negativeExponent = false;
    const char* const digits = skipSign(p + 1, end, negativeExponent);
    p = skipDigits(digits, end);
    if (p == digits) {
        throw RunTimeError::typeMismatch();
    }
    for (const char* digit = digits; digit != p && exponent < kExponentLimit; ++digit) {
        exponent = exponent * 10 + (*digit - '0');
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    return p;
}

// Plain pointer scanning, because this runs for every value read from a form and should stay
// quick even in unoptimised builds.
TypedNumber parseTyped(std::string_view text, std::string_view decimalSeparator) {
    text = withoutSurroundingBlanks(text);
    const char* p = text.data();
    const char* const end = p + text.size();

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
    if (parseExponent(p, end, number.exponent) != end) {
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

// Writes the number in the shape from_chars wants, "." and no "+", from `first`, which has
// room for `length` characters; returns the end of what it wrote.
char* spelledForFromChars(const TypedNumber& number, char* const first, std::size_t length) {
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
    return std::to_chars(out, first + length, number.exponent).ptr;
}

// A number whose leading digit stands at `power`, within the doubles' range, read by from_chars.
double readWithinRange(const TypedNumber& number, std::int64_t power) {
    // Typical input fits the stack buffer; a pasted thousand-digit number takes the heap
    // instead of being cut.
    const std::size_t length =
        number.integerDigits.size() + number.fractionDigits.size() + 32;  // sign, ".", "e-..."
    std::array<char, 128> small;
    std::string large;
    if (length > small.size()) {
        large.resize(length);
    }
    char* const first = large.empty() ? small.data() : large.data();
    char* const out = spelledForFromChars(number, first, length);

    double value = 0;
    const auto [end, error] = std::from_chars(first, out, value);
    if (error == std::errc::result_out_of_range) {
        // libstdc++ returns subnormals normally and reports out of range only for a result that
        // rounds to zero or beyond the largest double.
        if (power < 0) {
            return signedZero(number.negative);
        }
        throw RunTimeError::overflow();
    }
    if (error != std::errc{} || end != out) {
        throw RunTimeError::typeMismatch();
    }
    return value;
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
    return readWithinRange(number, *power);
}

double checkedResult(double value) {
    if (!std::isfinite(value)) {
        throw RunTimeError::overflow();
    }
    return value;
}

}  // namespace quantaro
