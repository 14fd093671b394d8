// How the program's windows come and go: one About window at most, loaded anew after each
// close, and the program ending with Exit or with its last window.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_program.h"

namespace quantaro::testing {
namespace {

long countOf(const std::vector<std::string>& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

TEST(AboutWindow, OpensOnceHoweverOftenAboutIsClickedAndLoadsOnlyTheFirstTime) {
    HeadlessProgram program;
    const auto first = program.click("cmdAbout");
    const auto second = program.click("cmdAbout");
    EXPECT_EQ(countOf(first, "frmAbout.Load"), 1);
    EXPECT_EQ(countOf(second, "frmAbout.Load"), 0);
    EXPECT_EQ(countOf(second, "frmAbout.Show"), 1);
    EXPECT_TRUE(program.window("frmAbout").isVisible());
}

TEST(AboutWindow, ShowsTheTitleAndVersionInsteadOfItsPlaceholders) {
    HeadlessProgram program;
    program.click("cmdAbout");
    EXPECT_EQ(program.window("frmAbout").caption(), "About Quantaro");
    EXPECT_EQ(program.control("lblTitle", "frmAbout").caption(), "Quantaro");
    EXPECT_EQ(program.control("lblVersion", "frmAbout").caption(), "Version 1.0.0");
}

TEST(AboutWindow, IsLoadedAnewAfterOkClosedIt) {
    HeadlessProgram program;
    program.click("cmdAbout");
    program.click("cmdOK", "frmAbout");
    EXPECT_EQ(program.backend.window("frmAbout"), nullptr);
    const auto reopened = program.click("cmdAbout");
    EXPECT_EQ(countOf(reopened, "frmAbout.Load"), 1);
    // A fresh window starts as "About MyApp"; only the load handler gives it the title.
    EXPECT_EQ(program.window("frmAbout").caption(), "About Quantaro");
    EXPECT_EQ(program.control("lblVersion", "frmAbout").caption(), "Version 1.0.0");
    EXPECT_EQ(program.backend.quitCount, 0);
}

TEST(ConverterWindow, KeepsConvertingWhileAboutIsOpen) {
    HeadlessProgram program;
    program.click("cmdAbout");
    program.convert("1", "Gigabytes (GB)");
    EXPECT_EQ(program.control("txtMegabytes").text(), "1024");
}

TEST(ProgramEnd, ExitClosesEveryWindowAtOnceAndRunsNothingMore) {
    HeadlessProgram program;
    program.click("cmdAbout");
    HeadlessWindow& main = program.window("frmMain");
    main.click("cmdExit");
    EXPECT_EQ(program.backend.window("frmMain"), nullptr);
    EXPECT_EQ(program.backend.window("frmAbout"), nullptr);
    EXPECT_EQ(program.backend.quitCount, 1);
    EXPECT_TRUE(program.application().hasEnded());
}

TEST(ProgramEnd, ComesWithTheLastWindowClosedFromItsTitleBar) {
    HeadlessProgram program;
    program.click("cmdAbout");
    program.window("frmMain").closeFromTitleBar();
    EXPECT_EQ(program.backend.window("frmMain"), nullptr);
    EXPECT_EQ(program.backend.quitCount, 0) << "the About window is still open";
    program.window("frmAbout").closeFromTitleBar();
    EXPECT_EQ(program.backend.quitCount, 1);
}

TEST(ProgramEnd, ComesWhenTheConverterWindowIsClosedAlone) {
    HeadlessProgram program;
    program.window("frmMain").closeFromTitleBar();
    EXPECT_EQ(program.backend.quitCount, 1);
}

}  // namespace
}  // namespace quantaro::testing
