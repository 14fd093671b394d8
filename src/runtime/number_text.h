// Number <-> text conversions of the forms runtime: the only place where a value typed by the
// user or shown in a box becomes a double, or a double becomes text. The decimal separator is a
// parameter, so the conversions never consult process-wide locale state; the user's separator
// is found once, by user_locale.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quantaro {

// Reads a decimal number: surrounding blanks (any Unicode white space, line breaks included,
// but none inside the number), an optional sign, digits with the given decimal separator, an
// optional exponent. Throws RunTimeError typeMismatch for anything else and
// overflow for a magnitude beyond the double range. A magnitude too small for a double is no
// error: it reads as the nearest double, a subnormal or zero.
double numberFromText(std::string_view text, std::string_view decimalSeparator);

// Writes at most 15 significant digits, an exact tie at the 15th rounded away from zero,
// without grouping. The text is positional for powers of ten from -4 to 14, and below that while
// it needs at most 15 digits after the separator ("0.000030517578125"); otherwise it takes the
// exponent form ("1.5E+20", "5.6789E-12"). numberFromText accepts every text this writes, and
// reading it back and writing again gives the same text. Negative zero is written "0"; a value
// that is not finite, or whose 15-digit text lies beyond the largest double, throws overflow.
std::string textFromNumber(double value, std::string_view decimalSeparator);

std::string textFromInteger(std::int16_t value);

// The check after every multiply or divide: a result that left the finite double range is
// an overflow, never a value.
double checkedResult(double value);

}  // namespace quantaro
