// Escaping and cutting a text from outside for a message line.
#include "programs/linux/terminal_text.h"

#include <cstdio>

namespace quantaro {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// How many bytes the UTF-8 sequence at the start of the text takes; 0 when it is none.
std::size_t sequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            return 0;
        }
    }
    return length;
}

std::string escaped(const char* format, unsigned value) {
    char written[8];
    std::snprintf(written, sizeof written, format, value);
    return written;
}

// One character of the text, as shown; `length` is the bytes it took.
std::string shownCharacter(std::string_view text, std::size_t& length) {
    length = sequenceLength(text);
    const auto lead = static_cast<unsigned char>(text.front());
    if (length == 0) {
        length = 1;
        return escaped("\\x%02X", lead);
    }
    if (length == 1) {
        if (lead < 0x20 || lead == 0x7F) {
            return escaped("\\x%02X", lead);
        }
        return lead == '\\' ? "\\\\" : std::string(1, text.front());
    }
    // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
    const auto second = static_cast<unsigned char>(text[1]);
    if (lead == 0xC2 && second <= 0x9F) {
        return escaped("\\u%04X", second);
    }
    return std::string(text.substr(0, length));
}

}  // namespace

std::string shownOnTerminal(std::string_view text, std::size_t longest) {
    std::string shown;
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        if (characters == longest) {
            return shown + "...";
        }
        std::size_t length = 0;
        shown += shownCharacter(text, length);
        text.remove_prefix(length);
    }
    return shown;
}

}  // namespace quantaro
