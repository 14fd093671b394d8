// Tests of the Linux program's command line: what ends the program before a window opens, with
// which status and which output, and what lets it start.
#include "runtime/qt/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "runtime/app_facts.h"

namespace quantaro {
namespace {

TEST(CommandLine, PrintsHelpOrVersionOrRefusesAndOnlyAnEmptyOneStartsTheProgram) {
    const std::string version = std::to_string(app::Major) + '.' + std::to_string(app::Minor) +
                                '.' + std::to_string(app::Revision);
    const struct {
        const char* name;
        std::vector<const char*> arguments;  // after the program's name
        std::optional<int> status;
        std::string out;  // contained in what is printed; empty: nothing
        std::string err;
    } cases[] = {
        {"no arguments start the program", {}, std::nullopt, "", ""},
        {"--version prints name and version", {"--version"}, 0, "Quantaro " + version + "\n", ""},
        {"-v is --version", {"-v"}, 0, version, ""},
        {"--help lists the options", {"--help"}, 0, "--version", ""},
        {"-h is --help", {"-h"}, 0, "--help", ""},
        {"an unknown option", {"--bogus"}, 2, "", "Usage: quantaro [--help] [--version]"},
        {"a Qt option", {"-platform", "offscreen"}, 2, "", "platform"},
        {"an argument", {"file.txt"}, 2, "", "'file.txt'"},
        {"help beside an unknown option", {"--help", "--bogus"}, 2, "", "bogus"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<const char*> argv = {"/usr/bin/quantaro"};
        argv.insert(argv.end(), test.arguments.begin(), test.arguments.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(answerCommandLine(static_cast<int>(argv.size()), argv.data(), out, err),
                  test.status);
        if (test.out.empty()) {
            EXPECT_EQ(out.str(), "");
        } else {
            EXPECT_NE(out.str().find(test.out), std::string::npos) << out.str();
        }
        if (test.err.empty()) {
            EXPECT_EQ(err.str(), "");
        } else {
            EXPECT_NE(err.str().find(test.err), std::string::npos) << err.str();
        }
    }
}

}  // namespace
}  // namespace quantaro
