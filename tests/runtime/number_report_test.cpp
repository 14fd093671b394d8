// How a report quotes what the user typed: whole and readable when short and plain, escaped
// where a character would break or turn the message box's lines, cut when long.
#include "runtime/number_report.h"

#include <gtest/gtest.h>

#include <string>

namespace quantaro::testing {
namespace {

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

TEST(QuotedForReport, ShowsPlainTextWholeEscapesWhatWouldBreakTheBoxAndCutsLongText) {
    const std::string forty(40, '7');
    const struct {
        const char* what;
        std::string typed;
        std::string quoted;
    } cases[] = {
        {"plain", "abc", "\"abc\""},
        {"empty", "", "\"\""},
        {"letters of other scripts stay", "Gr\u00F6\u00DFe \u20AC \U0001F600",
         "\"Gr\u00F6\u00DFe \u20AC \U0001F600\""},
        {"line breaks and tabs", "1\r\n2\t3", "\"1\\r\\n2\\t3\""},
        {"other control characters", std::string("\x1B[2J\x7F\0", 6), "\"\\x1B[2J\\x7F\\x00\""},
        {"C1 controls and line separators", "1\u00852\u20283", "\"1\\u00852\\u20283\""},
        {"bidirectional overrides", "12\u202E34\u2066", "\"12\\u202E34\\u2066\""},
        {"bytes that are no UTF-8",
         "1\xFF"
         "2\xC0\xAF"
         "3\xED\xA0\x80",
         "\"1\\xFF2\\xC0\\xAF3\\xED\\xA0\\x80\""},
        {"a character cut short at the end", "1\xE2\x82", "\"1\\xE2\\x82\""},
        {"forty characters are shown whole", forty, "\"" + forty + "\""},
        {"the forty-first is cut", forty + "89", "\"" + forty + "\u2026\""},
        {"a cut counts characters, not bytes", repeated("\u00E9", 41),
         "\"" + repeated("\u00E9", 40) + "\u2026\""},
        {"an escape is one character", repeated("\n", 41), "\"" + repeated("\\n", 40) + "\u2026\""},
        {"a pasted megabyte", std::string(1 << 20, '9'), "\"" + std::string(40, '9') + "\u2026\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(quotedForReport(c.typed), c.quoted) << c.what;
    }
}

}  // namespace
}  // namespace quantaro::testing
