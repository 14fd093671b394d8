// How a report names what the user typed: in double quotes, shown as shown_text.h shows a text
// (whose table tests the escapes), and cut after forty characters.
#include "runtime/number_report.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/run_time_error.h"

namespace quantaro::testing {
namespace {

std::string reportOf(const std::string& typed) {
    try {
        numberReadFrom(typed, ".");
    } catch (const RunTimeError& error) {
        return error.report();
    }
    return "no report";
}

TEST(NumberReport, QuotesWhatWasTypedEscapedAndCutAfterFortyCharacters) {
    const std::string forty(40, 'x');
    const struct {
        const char* what;
        std::string typed;
        std::string report;
    } cases[] = {
        {"a typed backslash and n", "1\\n2", "Type mismatch: \"1\\\\n2\" is not a number."},
        {"a pasted line break", "1\n2", "Type mismatch: \"1\\n2\" is not a number."},
        {"forty characters are quoted whole", forty,
         "Type mismatch: \"" + forty + "\" is not a number."},
        {"the forty-first is cut", forty + "yz",
         "Type mismatch: \"" + forty + "\xE2\x80\xA6\" is not a number."},
        {"a pasted megabyte", std::string(1 << 20, 'x'),
         "Type mismatch: \"" + forty + "\xE2\x80\xA6\" is not a number."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reportOf(c.typed), c.report) << c.what;
    }
}

}  // namespace
}  // namespace quantaro::testing
