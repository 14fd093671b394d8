// How a text from outside is shown in the program's messages, the error report's and the
// terminal's alike: whole and readable when plain, escaped where it would break a line, steer a
// terminal or turn the text around, cut when long. The expected texts are written out by hand.
#include "runtime/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quantaro::testing {
namespace {

TEST(ShownText, ShowsPlainTextWholeEscapesWhatCouldBreakSteerOrTurnItAndCutsLongText) {
    const struct {
        const char* name;
        std::string text;
        std::size_t longest;
        std::string shown;
    } cases[] = {
        {"plain ASCII stays", "xcb:0 1.5E+3", 64, "xcb:0 1.5E+3"},
        {"nothing stays nothing", "", 64, ""},
        {"letters beyond ASCII stay",
         "Gr\xC3\xB6\xC3\x9F"
         "e \xC3\xA9",
         64,
         "Gr\xC3\xB6\xC3\x9F"
         "e \xC3\xA9"},
        {"CJK and emoji stay", "\xE6\x95\xB0 \xF0\x9F\x98\x80", 64,
         "\xE6\x95\xB0 \xF0\x9F\x98\x80"},
        {"an emoji joined by a zero-width joiner stays",
         "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", 64,
         "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB"},
        {"the no-break space after the C1 controls stays",
         "1\xC2\xA0"
         "2",
         64,
         "1\xC2\xA0"
         "2"},
        {"line break, carriage return and tab by name", "1\r\n2\t3", 64, "1\\r\\n2\\t3"},
        {"other C0 controls in hexadecimal", std::string("\x1B[2J\x07\0\x1F", 7), 64,
         "\\x1B[2J\\x07\\x00\\x1F"},
        {"delete", "a\x7F", 64, "a\\x7F"},
        {"C1 controls as code points",
         "\xC2\x80\xC2\x85\xC2\x9B"
         "31m",
         64, "\\u0080\\u0085\\u009B31m"},
        {"line and paragraph separators",
         "1\xE2\x80\xA8"
         "2\xE2\x80\xA9",
         64, "1\\u20282\\u2029"},
        {"direction embeddings and overrides",
         "\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD"
         "ab\xE2\x80\xAE"
         "cd",
         64, "\\u202A\\u202B\\u202C\\u202Dab\\u202Ecd"},
        {"direction isolates",
         "\xE2\x81\xA6"
         "1\xE2\x81\xA7"
         "2\xE2\x81\xA8"
         "3\xE2\x81\xA9",
         64, "\\u20661\\u20672\\u20683\\u2069"},
        {"direction marks",
         "\xE2\x80\x8E"
         "1\xE2\x80\x8F"
         "2\xD8\x9C",
         64, "\\u200E1\\u200F2\\u061C"},
        {"overlong forms, byte by byte", "\xC0\x80|\xC1\xBF|\xE0\x80\x80|\xF0\x80\x80\x80", 64,
         "\\xC0\\x80|\\xC1\\xBF|\\xE0\\x80\\x80|\\xF0\\x80\\x80\\x80"},
        {"a surrogate",
         "1\xED\xA0\x80"
         "2",
         64, "1\\xED\\xA0\\x802"},
        {"the last code point below the surrogates stays", "\xED\x9F\xBF", 64, "\xED\x9F\xBF"},
        {"a character cut short at the end", "1\xE2\x82", 64, "1\\xE2\\x82"},
        {"a character cut short by the next one",
         "\xF0\x9F\x98"
         "a\xC3",
         64, "\\xF0\\x9F\\x98a\\xC3"},
        {"stray continuation bytes",
         "a\x80\xBF"
         "b",
         64, "a\\x80\\xBFb"},
        {"code points above U+10FFFF", "\xF4\x90\x80\x80|\xF5\x80\x80\x80|\xFF", 64,
         "\\xF4\\x90\\x80\\x80|\\xF5\\x80\\x80\\x80|\\xFF"},
        {"U+10FFFF stays", "\xF4\x8F\xBF\xBF", 64, "\xF4\x8F\xBF\xBF"},
        {"a typed backslash is doubled", "1\\n", 64, "1\\\\n"},
        {"a typed line break is an escape", "1\n", 64, "1\\n"},
        {"as long as allowed is shown whole", "abc", 3, "abc"},
        {"one more is cut and marked", "abcd", 3, "abc\xE2\x80\xA6"},
        {"a cut counts characters, not bytes", "\xC3\xA9\xC3\xA9\xC3\xA9", 2,
         "\xC3\xA9\xC3\xA9\xE2\x80\xA6"},
        {"a four-byte character is never cut in two", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 1,
         "\xF0\x9F\x98\x80\xE2\x80\xA6"},
        {"an escape is one character and never cut in two",
         "\n\xE2\x80\xAE\\\xFF"
         "x",
         4, "\\n\\u202E\\\\\\xFF\xE2\x80\xA6"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(shownText(test.text, test.longest), test.shown) << test.name;
    }
}

}  // namespace
}  // namespace quantaro::testing
