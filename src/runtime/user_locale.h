// The user's own number format, asked of the operating system once at start-up and then passed
// explicitly to the number_text conversions, so nothing else depends on process-wide locale.
#pragma once

#include <string>

namespace quantaro {

// The decimal separator the user chose for numbers: "." or "," or, in some languages, a
// multi-byte UTF-8 sign. Falls back to "." when the system cannot say; never fails.
std::string userDecimalSeparator();

}  // namespace quantaro
