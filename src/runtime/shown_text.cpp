// Reading a text as UTF-8 and writing what could break, steer or turn a message as escapes.
#include "runtime/shown_text.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace quantaro {

namespace {

// The character that starts at this byte and how many bytes it takes, or nothing when the
// byte starts none: no lead byte, a sequence cut short, an overlong form, a surrogate or a
// code point beyond U+10FFFF.
std::optional<std::pair<char32_t, std::size_t>> characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > text.size()) {
        return std::nullopt;
    }
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        character = (character << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < smallest[length] || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{character, length};
}

// Controls, which break a line or steer a terminal, and the characters that end a line or
// change the direction of what follows them. The marks (U+061C, U+200E, U+200F) are among
// them: invisible, they move the neutral characters beside them, quotes and digits, so that
// the text would not read as typed.
bool isEscaped(char32_t c) {
    return c < 0x20 || c == '\\' || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E ||
           c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// A byte as two hexadecimal digits: a control below U+0080, or a byte that is no UTF-8.
std::string byteEscape(unsigned char byte) {
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
    return escape;
}

std::string escapeOf(char32_t c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    if (c < 0x80) {
        return byteEscape(static_cast<unsigned char>(c));
    }
    // Every escaped character beyond ASCII lies below U+10000: four digits hold it.
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
    return escape;
}

}  // namespace

std::string shownText(std::string_view text, std::size_t longest) {
    std::string shown;
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        if (count == longest) {
            return shown + "\u2026";
        }
        const auto character = characterAt(text, at);
        if (!character) {
            shown += byteEscape(static_cast<unsigned char>(text[at]));
            ++at;
            continue;
        }
        const auto [code, length] = *character;
        shown += isEscaped(code) ? escapeOf(code) : std::string(text.substr(at, length));
        at += length;
    }
    return shown;
}

}  // namespace quantaro
