// Tests of the Linux program's command line: what ends the program before a window opens, with
// which status and which output, and what lets it start; how a message quotes an argument from
// outside (shown_text_test.cpp tests the escapes themselves).
#include "programs/linux/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "runtime/app_facts.h"

namespace quantaro {
namespace {

// A stream whose every write fails, as standard output on a full disk or a closed pipe.
class FailingOutput : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(CommandLine, PrintsHelpOrVersionOrRefusesAndOnlyQtsOptionsStartTheProgram) {
    const std::string version = std::to_string(app::Major) + '.' + std::to_string(app::Minor) +
                                '.' + std::to_string(app::Revision);
    const std::string longOption = "--" + std::string(500, 'x');
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
        {"--help lists Qt's options", {"--help"}, 0, "-platform NAME", ""},
        {"-h is --help", {"-h"}, 0, "--help", ""},
        {"an unknown option, quoted as typed",
         {"--bogus"},
         2,
         "",
         "quantaro: unknown option '--bogus'.\nUsage: quantaro [--help] [--version]"},
        {"Qt's options start the program",
         {"-platform", "xcb", "-display", ":0", "-style", "fusion", "--widgetcount"},
         std::nullopt,
         "",
         ""},
        // The windows keep their own place, size and direction: these are not passed over.
        {"Qt's -geometry is refused", {"-geometry", "300x200+0+0"}, 2, "", "geometry"},
        {"Qt's -qwindowgeometry is refused", {"--qwindowgeometry", "+0+0"}, 2, "", "qwindowgeo"},
        {"Qt's -reverse is refused", {"-reverse"}, 2, "", "reverse"},
        {"the version beside a Qt option", {"-platform", "offscreen", "--version"}, 0, version, ""},
        {"a Qt option without its value", {"-platform"}, 2, "", "platform"},
        {"a value after '=' that Qt would pass over", {"-platform=xcb"}, 2, "", "next argument"},
        {"'=' where Qt reads it", {"-style=fusion"}, std::nullopt, "", ""},
        {"an argument", {"file.txt"}, 2, "", "'file.txt'"},
        {"help beside an unknown option", {"--help", "-bogus=1"}, 2, "", "option '-bogus=1'."},
        {"an argument's terminal escape is shown, not sent",
         {"\x1b]0;owned\x07"},
         2,
         "",
         "'\\x1B]0;owned\\x07'"},
        {"an argument's direction override is shown, not obeyed",
         {"--ab\u202Ecd"},
         2,
         "",
         "unknown option '--ab\\u202Ecd'."},
        {"a long argument is cut",
         {longOption.c_str()},
         2,
         "",
         "unknown option '--" + std::string(62, 'x') + "\u2026'."},
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
        EXPECT_EQ(err.str().find('\x1b'), std::string::npos);
        EXPECT_EQ(err.str().find("\u202E"), std::string::npos);
    }
}

TEST(CommandLine, HelpOrVersionThatCannotBeWrittenEndsWithStatusOneAndSaysSo) {
    for (const char* asked : {"--help", "--version"}) {
        const char* argv[] = {"quantaro", asked};
        FailingOutput full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(answerCommandLine(2, argv, out, err), 1) << asked;
        EXPECT_NE(err.str().find("quantaro: cannot write to standard output"), std::string::npos)
            << asked << ": " << err.str();
    }
}

}  // namespace
}  // namespace quantaro
