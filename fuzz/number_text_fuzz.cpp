// Fuzz target: number <-> text for the three decimal separators the program meets (".", ","
// and the Arabic U+066B). Whatever is typed reads as a number or raises a run-time error; every
// text written reads back to the same text; no text ever spells infinity or NaN.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"

namespace {

using namespace quantaro;

const std::string_view separators[] = {".", ",", "\u066B"};

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Only what textFromNumber may write: a sign, digits, the separator and an exponent.
bool isWrittenForm(std::string_view text, std::string_view separator) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with(separator)) {
            i += separator.size() - 1;
        } else if (std::string_view("0123456789-+E").find(text[i]) == std::string_view::npos) {
            return false;
        }
    }
    return !text.empty();
}

// Writes a number; when it is written, the text must read back to a number written the same.
void writeAndReadBack(double value, std::string_view separator) {
    std::string text;
    try {
        text = textFromNumber(value, separator);
    } catch (const RunTimeError& error) {
        require(error.number() == RunTimeError::overflow().number());
        return;
    }
    require(isWrittenForm(text, separator));
    const double back = numberFromText(text, separator);  // must not throw
    require(textFromNumber(back, separator) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view separator = separators[data[0] % 3];
    const std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);

    // Any bit pattern as a double: every magnitude, the subnormals, infinity and NaN.
    if (typed.size() >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, typed.data(), sizeof value);
        writeAndReadBack(value, separator);
    }

    // The bytes as typed text: a number, or a run-time error and nothing else.
    double value = 0;
    try {
        value = numberFromText(typed, separator);
    } catch (const RunTimeError& error) {
        require(error.number() == RunTimeError::typeMismatch().number() ||
                error.number() == RunTimeError::overflow().number());
        return 0;
    }
    writeAndReadBack(value, separator);
    return 0;
}
