// The sentences that run-time errors of a user's figures carry into the report.
#include "runtime/number_report.h"

#include <cstdio>
#include <utility>

#include "runtime/number_text.h"
#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

// Enough to recognise what was typed; a message box stays a few lines wide.
constexpr std::size_t shownCharacters = 40;

constexpr char32_t notUtf8 = 0xFFFFFFFF;

// The character that starts at this byte and how many bytes it takes, or notUtf8 and one byte.
std::pair<char32_t, std::size_t> characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) {
        return {notUtf8, 1};
    }
    char32_t character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return {notUtf8, 1};
        }
        character = (character << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < smallest[length] || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF)) {
        return {notUtf8, 1};
    }
    return {character, length};
}

// Characters that would break the box's lines or turn the text around where it is shown.
bool isHidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string escaped(char32_t c) {
    switch (c) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    char escape[16];
    std::snprintf(escape, sizeof escape, c < 0x80 ? "\\x%02X" : "\\u%04X",
                  static_cast<unsigned>(c));
    return escape;
}

}  // namespace

std::string quotedForReport(std::string_view text) {
    std::string quoted = "\"";
    std::size_t shown = 0;
    for (std::size_t at = 0; at < text.size(); ++shown) {
        if (shown == shownCharacters) {
            return quoted + "\u2026\"";
        }
        const auto [character, length] = characterAt(text, at);
        if (character == notUtf8) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(text[at])));
            quoted += escape;
        } else if (isHidden(character)) {
            quoted += escaped(character);
        } else {
            quoted.append(text.substr(at, length));
        }
        at += length;
    }
    return quoted + "\"";
}

double numberReadFrom(std::string_view text, std::string_view decimalSeparator) {
    try {
        return numberFromText(text, decimalSeparator);
    } catch (const RunTimeError& error) {
        const bool tooLarge = error.number() == RunTimeError::overflow().number();
        throw error.about(quotedForReport(text) +
                          (tooLarge ? " is too large." : " is not a number."));
    }
}

std::string textOfResult(double value, std::string_view decimalSeparator) {
    try {
        return textFromNumber(checkedResult(value), decimalSeparator);
    } catch (const RunTimeError& error) {
        throw error.about("the result is too large.");
    }
}

}  // namespace quantaro
