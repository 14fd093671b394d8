// The program's windows on every real window system. The keys: Enter and the access keys press
// buttons, Escape closes only About, Tab follows the tab index, read-out boxes and the unit list
// take no text of their own. The look: each control at its pixels at 96 dots per inch, stacking,
// windows centred and brought forward when shown again, the highlight and About's etched rule.
#include <map>

#include "conformance/program_driver.h"
#include "runtime/run_time_error.h"

namespace quantaro::testing {
namespace {

using Windows = OnEachBackEnd<WindowDriver>;

// Enter in the unit list converts too: it does not open the list.
TEST_P(Windows, EnterOrAltOConvertsTheTypedValueFromAnyControl) {
    const std::pair<const char*, bool> cases[] = {{"txtUnit", true},
                                                  {"cboUnit", true},
                                                  {"txtBits", true},
                                                  {"cboUnit", false},
                                                  {"cmdExit", false}};
    for (const auto& [from, enter] : cases) {
        restart();
        program->focus("frmMain", "txtUnit");
        program->type("1");
        program->focus("frmMain", "cboUnit");
        program->type("t");
        program->focus("frmMain", from);
        enter ? program->press(Key::Enter) : program->pressAlt('o');
        EXPECT_EQ(program->text("txtTerrabytes"), "1") << from;
        EXPECT_EQ(program->text("txtGigabytes"), "1024") << from;
        EXPECT_EQ(program->text("txtBits"), "8796093022208") << from;
        EXPECT_TRUE(program->boxes.empty()) << from;
    }
}

TEST_P(Windows, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    // cmdConvert has the focus at start; Convert asks for a unit and focuses the list.
    for (const char* focused : {"cmdConvert", "txtUnit", "cmdAbout"}) {
        restart();
        program->focus("frmMain", focused);
        program->press(Key::Enter);
        const bool opensAbout = focused == std::string("cmdAbout");
        EXPECT_EQ(isOpen("frmAbout"), opensAbout) << focused;
        EXPECT_EQ(program->boxes.size(), opensAbout ? 0u : 1u) << focused;
        EXPECT_EQ(program->focused(), opensAbout ? "cmdOK" : "cboUnit") << focused;
    }
}

TEST_P(Windows, EscapeInTheConverterWindowChangesNothing) {
    program->fill("txtUnit", "3");
    program->fill("cboUnit", "Bytes");
    program->click("frmMain", "cmdConvert");
    const std::string bits = program->text("txtBits");
    for (const char* from : {"cmdConvert", "txtUnit", "cboUnit", "txtBytes"}) {
        program->focus("frmMain", from);
        program->press(Key::Escape);
        EXPECT_EQ(program->focused(), from);
    }
    EXPECT_TRUE(program->isVisible("frmMain"));
    EXPECT_EQ(program->text("txtBits"), bits);
    EXPECT_EQ(program->windows(), std::vector<std::string>{"frmMain"});
    EXPECT_TRUE(program->boxes.empty());
    EXPECT_EQ(program->endRequests(), 0);
}

TEST_P(Windows, EscapeAndEnterCloseAboutUnlessEnterFallsOnSystemInfo) {
    const struct {
        const char* focused;
        Key key;
        bool closes;
    } cases[] = {{"cmdOK", Key::Escape, true},      {"cmdOK", Key::Enter, true},
                 {"picIcon", Key::Escape, true},    {"picIcon", Key::Enter, true},
                 {"cmdSysInfo", Key::Escape, true}, {"cmdSysInfo", Key::Enter, false}};
    for (const auto& c : cases) {
        program->focus("frmMain", "cmdAbout");
        program->pressAlt('a');
        EXPECT_EQ(program->activeWindow(), "frmAbout");
        EXPECT_EQ(program->focused(), "cmdOK") << "Alt+A opens About with the focus on OK";
        program->focus("frmAbout", c.focused);
        program->press(c.key);
        EXPECT_EQ(isOpen("frmAbout"), !c.closes) << c.focused << " " << static_cast<int>(c.key);
        EXPECT_TRUE(program->isVisible("frmMain"));
        EXPECT_EQ(program->endRequests(), 0);
        if (!c.closes) {
            program->click("frmAbout", "cmdOK");
        }
    }
}

TEST_P(Windows, AltSStartsTheToolTheRegistryNamesAndAltXThenEndsTheProgram) {
    program->registry->setText(registry::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               "PATH", std::string("C:\\Tools\\MSINFO32.EXE") + '\0');
    program->pressAlt('a');
    program->pressAlt('s');
    EXPECT_EQ(program->started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(program->boxes.empty());
    program->activate("frmMain");
    program->pressAlt('x');
    EXPECT_TRUE(program->windows().empty()) << "About stayed open";
    EXPECT_EQ(program->endRequests(), 1);
}

TEST_P(Windows, TabVisitsTheControlsInTabIndexOrderAndComesBackToTheFirst) {
    const auto visit = [this](std::size_t stops) {
        std::vector<std::string> visited = {program->focused()};
        while (visited.size() < stops) {
            program->press(Key::Tab);
            visited.push_back(program->focused());
        }
        return visited;
    };
    const std::vector<std::string> converter = {"cmdConvert",   "cmdAbout",      "cmdExit",
                                                "txtUnit",      "cboUnit",       "txtBits",
                                                "txtBytes",     "txtKillobytes", "txtMegabytes",
                                                "txtGigabytes", "txtTerrabytes", "cmdConvert"};
    EXPECT_EQ(visit(converter.size()), converter);
    program->pressAlt('a');
    const std::vector<std::string> about = {"cmdOK", "picIcon", "cmdSysInfo", "cmdOK"};
    EXPECT_EQ(visit(about.size()), about);
}

// What a read-out box shows can be copied, and pasted into the value box.
TEST_P(Windows, ReadOutBoxesTakeTheFocusAndCopyButNoEdit) {
    program->fill("txtUnit", "1");
    program->fill("cboUnit", "Terrabytes (TB)");
    program->click("frmMain", "cmdConvert");
    for (const std::string& box : readOutBoxes) {
        const std::string before = program->text(box);
        program->click("frmMain", box);
        EXPECT_EQ(program->focused(), box);
        program->type("7x");
        for (const Key key : {Key::Backspace, Key::Delete, Key::Home, Key::Delete, Key::SelectAll,
                              Key::Cut, Key::Paste, Key::Delete, Key::SelectAll, Key::Copy}) {
            program->press(key);
            EXPECT_EQ(program->text(box), before) << box << " after key " << static_cast<int>(key);
        }
        program->focus("frmMain", "txtUnit");
        program->press(Key::SelectAll);
        program->press(Key::Paste);
        EXPECT_EQ(program->text("txtUnit"), before) << "copied from " << box;
    }
}

TEST_P(Windows, UnitListKeysOnlyMoveTheChoiceAmongItsEntries) {
    const struct {
        const char* typed;
        int downs;
        const char* shows;
    } cases[] = {
        {"Qz9", 0, ""}, {"t", 0, "Terrabytes (TB)"}, {"", 2, "Bytes"}, {"", 7, "Terrabytes (TB)"}};
    for (const auto& c : cases) {
        restart();
        program->focus("frmMain", "cboUnit");
        program->type(c.typed);
        for (int i = 0; i < c.downs; ++i) {
            program->press(Key::Down);
        }
        EXPECT_EQ(program->text("cboUnit"), c.shows) << c.typed << " " << c.downs;
    }
    for (const char key : std::string("xK1 zTb")) {
        program->type(std::string(1, key));
        const std::string shown = program->text("cboUnit");
        EXPECT_TRUE(shown.empty() || std::count(unitEntries.begin(), unitEntries.end(), shown))
            << "after '" << key << "' the list shows \"" << shown << '"';
        EXPECT_EQ(program->items("cboUnit"), unitEntries);
    }
}

// The layout tables in pixels at 96 dots per inch, worked out by hand, in the window's client
// area: a frame's children are placed through their frame. A label beside its box spans the
// box's height. A label may widen to its longest word, and a button about its centre to its
// caption, within the room given (their font is the platform's); the others stand exactly. The
// picture takes the size of the 32 pixel icon in its border.
struct Placed {
    const char* control;
    Rect bounds;
    Rect room = {};
};
// clang-format off
const std::pair<const char*, std::vector<Placed>> placed[] = {
    {"frmMain", {
        {"", {0, 0, 426, 386}},                    {"Frame1", {8, 8, 409, 89}},
        {"cboUnit", {16, 32, 385, 21}},            {"txtUnit", {16, 64, 385, 25}},
        {"Frame2", {8, 112, 409, 217}},
        {"Label1", {16, 136, 25, 19}, {16, 136, 80, 19}},
        {"Label2", {16, 168, 33, 19}, {16, 168, 80, 19}},
        {"Label3", {16, 200, 57, 19}, {16, 200, 80, 19}},
        {"Label4", {16, 232, 57, 19}, {16, 232, 80, 19}},
        {"Label5", {16, 264, 57, 19}, {16, 264, 80, 19}},
        {"Label6", {16, 296, 57, 19}, {16, 296, 80, 19}},
        {"txtBits", {96, 136, 305, 19}},           {"txtBytes", {96, 168, 305, 19}},
        {"txtKillobytes", {96, 200, 305, 19}},     {"txtMegabytes", {96, 232, 305, 19}},
        {"txtGigabytes", {96, 264, 305, 19}},      {"txtTerrabytes", {96, 296, 305, 19}},
        {"cmdConvert", {8, 344, 121, 33}},         {"cmdAbout", {152, 344, 121, 33}},
        {"cmdExit", {296, 344, 121, 33}}}},
    {"frmAbout", {
        {"", {0, 0, 382, 237}},                    {"picIcon", {16, 16, 36, 36}},
        {"lblTitle", {70, 16, 259, 32}, {70, 16, 259, 32}},
        {"lblVersion", {70, 52, 259, 15}, {70, 52, 259, 15}},
        {"lblDescription", {70, 75, 259, 78}, {70, 75, 259, 78}},
        {"lblDisclaimer", {17, 175, 258, 55}, {17, 175, 258, 55}},
        {"cmdOK", {283, 175, 84, 23}, {276, 175, 100, 23}},
        {"cmdSysInfo", {284, 205, 83, 23}, {276, 205, 100, 23}}}}};
// clang-format on

TEST_P(Windows, EveryControlStandsAtItsPixelPlaceAt96Dpi) {
    ASSERT_EQ(program->dotsPerInch(), 96) << "the expected pixels are for 96 dots per inch";
    program->pressAlt('a');
    for (const auto& [form, controls] : placed) {
        for (const Placed& p : controls) {
            const Rect drawn = program->bounds(form, p.control);
            if (p.room.width == 0) {
                EXPECT_EQ(drawn, p.bounds) << p.control;
                continue;
            }
            EXPECT_EQ(drawn.top, p.bounds.top) << p.control;
            EXPECT_EQ(drawn.height, p.bounds.height) << p.control;
            EXPECT_LE(drawn.left, p.bounds.left) << p.control;
            EXPECT_GE(drawn.right(), p.bounds.right()) << p.control;
            EXPECT_GE(drawn.left, p.room.left) << p.control;
            EXPECT_LE(drawn.right(), p.room.right()) << p.control;
            if (std::string_view(p.control).starts_with("Label")) {
                EXPECT_GE(drawn.width, program->widestWord(form, p.control)) << p.control;
            }
        }
    }
    // About's buttons stand one above the other: what widens one widens both.
    EXPECT_LE(std::abs(program->bounds("frmAbout", "cmdOK").right() -
                       program->bounds("frmAbout", "cmdSysInfo").right()),
              1);
}

// With the platform's interface font made larger, as a user sets it, every text fits its
// control, the longest figure and list entry included, and both windows grow with the font,
// keeping their proportions, until their frames fill the screen's work area; never beyond it.
TEST_P(Windows, EveryTextFitsItsControlAndBothWindowsGrowWithALargerFontWithinTheWorkArea) {
    std::map<std::string, Rect> smaller;
    for (const double factor : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        program.reset();
        program = GetParam().startWithLargerFont(factor);
        program->fill("txtUnit", "1");
        program->fill("cboUnit", "Terrabytes (TB)");
        program->pressAlt('o');
        program->pressAlt('a');
        const Rect work = program->workArea();
        for (const char* form : {"frmMain", "frmAbout"}) {
            for (const ControlLayout& row : program->form(form).layout().controls) {
                if (row.kind == ControlKind::Frame || row.kind == ControlKind::Picture) {
                    continue;
                }
                const auto text = program->textRoom(form, row.name);
                EXPECT_LE(text.textWidth, text.roomWidth) << row.name << " at " << factor;
                EXPECT_LE(text.textHeight, text.roomHeight) << row.name << " at " << factor;
            }
            const Rect frame = program->frame(form);
            EXPECT_TRUE(work.contains(frame)) << form << " at " << factor << ": " << frame;
            const bool fills =
                frame.width * 10 >= work.width * 9 || frame.height * 10 >= work.height * 9;
            const Rect client = program->bounds(form, "");
            if (smaller.count(form) > 0) {
                const Rect before = smaller[form];
                EXPECT_TRUE(client.width > before.width || fills) << form << " at " << factor;
                EXPECT_NEAR(double(client.width) / client.height,
                            double(before.width) / before.height, 0.01)
                    << form << " at " << factor;
            }
            smaller[form] = client;
        }
    }
}

TEST_P(Windows, LaterRowsOfATableLieAboveTheEarlierRowsTheyOverlap) {
    program->pressAlt('a');
    for (const char* form : {"frmMain", "frmAbout"}) {
        const auto rows = program->form(form).layout().controls;
        int overlaps = 0;
        for (std::size_t lower = 0; lower < rows.size(); ++lower) {
            for (std::size_t upper = lower + 1; upper < rows.size(); ++upper) {
                if (program->bounds(form, rows[upper].name)
                        .overlaps(program->bounds(form, rows[lower].name))) {
                    ++overlaps;
                    EXPECT_TRUE(program->liesAbove(form, rows[upper].name, rows[lower].name))
                        << rows[upper].name << " lies under " << rows[lower].name;
                }
            }
        }
        EXPECT_EQ(overlaps > 0, std::string_view(form) == "frmMain") << form;
    }
}

TEST_P(Windows, BothWindowsOpenWithTheirFramesCentredOnTheWorkArea) {
    const Rect work = program->workArea();
    const auto offCentre = [&](const Rect& frame) {
        return std::abs(2 * frame.left + frame.width - 2 * work.left - work.width) / 2 +
               std::abs(2 * frame.top + frame.height - 2 * work.top - work.height) / 2;
    };
    EXPECT_LE(offCentre(program->frame("frmMain")), 1) << program->frame("frmMain");
    // About opens in the middle of the screen, wherever the converter window is.
    program->moveTo("frmMain", work.left, work.top);
    program->pressAlt('a');
    EXPECT_LE(offCentre(program->frame("frmAbout")), 1) << program->frame("frmAbout");
}

TEST_P(Windows, AboutShownAgainComesToTheFrontAndTakesTheKeys) {
    program->pressAlt('a');
    program->activate("frmMain");
    ASSERT_EQ(program->activeWindow(), "frmMain");
    program->click("frmMain", "cmdAbout");
    EXPECT_EQ(program->frontWindow(), "frmAbout");
    EXPECT_EQ(program->activeWindow(), "frmAbout");
    EXPECT_EQ(program->focused(), "cmdOK");
    program->press(Key::Escape);
    EXPECT_FALSE(isOpen("frmAbout")) << "the keys went elsewhere";
}

// Closing the converter window leaves About as the program's one window: the keys go to it.
TEST_P(Windows, AboutLeftAloneIsTheActiveWindowAndEscapeEndsTheProgram) {
    program->pressAlt('a');
    program->activate("frmMain");
    program->closeFromTitleBar("frmMain");
    EXPECT_EQ(program->activeWindow(), "frmAbout");
    program->press(Key::Escape);
    EXPECT_TRUE(program->windows().empty()) << "the keys went elsewhere";
    EXPECT_EQ(program->endRequests(), 1);
}

// Before any conversion every box is painted as a plain text box. Beyond its text, the
// highlighted box shows its background. A screen reader is told which box it is.
TEST_P(Windows, OnlyTheEnteredUnitsBoxIsPaintedRedWithYellowTextAndDescribed) {
    const Paint fresh{program->rgb(colours::windowText), program->rgb(colours::windowBackground)};
    const Paint plain{program->rgb(colours::buttonText), program->rgb(colours::buttonFace)};
    const Paint highlighted{0xFFFF00, 0xFF0000};
    for (int entered = -1; entered < 6; ++entered) {
        if (entered >= 0) {
            program->fill("txtUnit", "1");
            program->fill("cboUnit", unitEntries[entered]);
            program->pressAlt('o');
            const Rect box = program->bounds("frmMain", readOutBoxes[entered]);
            EXPECT_EQ(program->pixel("frmMain", box.right() - 8, box.top + box.height / 2),
                      0xFF0000u)
                << readOutBoxes[entered];
        }
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(program->paint("frmMain", readOutBoxes[i]),
                      entered < 0 ? fresh : (i == entered ? highlighted : plain))
                << readOutBoxes[i] << " after converting " << entered;
            EXPECT_EQ(program->accessible("frmMain", readOutBoxes[i]).description,
                      i == entered ? "Entered value" : "")
                << readOutBoxes[i] << " after converting " << entered;
            // Told once when it became the entered box and once when it stopped being it.
            if (const auto notices = program->descriptionNotices(readOutBoxes[i])) {
                EXPECT_EQ(*notices, std::clamp(entered - i + 1, 0, 2))
                    << readOutBoxes[i] << " after converting " << entered;
            }
        }
    }
}

// What a screen reader calls each control that takes the focus, the same on every platform;
// the unit list keeps its name whichever entry is chosen, which is its value instead.
TEST_P(Windows, EveryControlThatTakesTheFocusIsNamedAndEachLabelNamesItsBox) {
    program->fill("cboUnit", "Bytes");
    program->pressAlt('a');
    // clang-format off
    const std::tuple<const char*, const char*, const char*> named[] = {
        {"frmMain", "cboUnit", "Unit"}, {"frmMain", "txtUnit", "Value"},
        {"frmMain", "txtBits", "Bits"}, {"frmMain", "txtBytes", "Bytes"},
        {"frmMain", "txtKillobytes", "Killobytes"}, {"frmMain", "txtMegabytes", "Megabytes"},
        {"frmMain", "txtGigabytes", "Gigabytes"}, {"frmMain", "txtTerrabytes", "Terrabytes"},
        {"frmMain", "cmdConvert", "Convert"}, {"frmMain", "cmdAbout", "About"},
        {"frmMain", "cmdExit", "Exit"}, {"frmAbout", "picIcon", "Quantaro icon"},
        {"frmAbout", "cmdOK", "OK"}, {"frmAbout", "cmdSysInfo", "System Info..."}};
    // clang-format on
    for (const auto& [form, control, name] : named) {
        EXPECT_EQ(program->accessible(form, control).name, name) << control;
    }
    EXPECT_EQ(program->accessible("frmMain", "cboUnit").value, "Bytes");
    for (std::size_t i = 0; i < readOutBoxes.size(); ++i) {
        EXPECT_EQ(program->namedByLabel("frmMain", "Label" + std::to_string(i + 1)),
                  readOutBoxes[i]);
    }
}

// Which unit is chosen is heard after each change, by the keys or by the program: it is the
// list's value, and where screen readers do not speak a list's new value, its description as
// well, told at each change. About's title and version, short labels that screen readers pass
// over, describe its window.
TEST_P(Windows, ScreenReadersHearTheChosenUnitAndAboutsTitleAndVersion) {
    const bool describedToo = !program->screenReadersSpeakListValues();
    int changes = 0;
    const auto heard = [&](const std::string& chosen, const char* how) {
        const WindowDriver::Accessible list = program->accessible("frmMain", "cboUnit");
        EXPECT_EQ(list.value, chosen) << how;
        EXPECT_EQ(list.description, describedToo ? chosen : "") << how;
        if (const auto notices = program->descriptionNotices("cboUnit"); notices && describedToo) {
            EXPECT_EQ(*notices, changes) << how;
        }
    };
    heard("", "before any choice");
    program->focus("frmMain", "cboUnit");
    const std::pair<std::function<void()>, const char*> choices[] = {
        {[&] { program->press(Key::Down); }, "Bits"},
        {[&] { program->press(Key::Down); }, "Bytes"},
        {[&] { program->type("g"); }, "Gigabytes (GB)"},
        {[&] { program->fill("cboUnit", "Terrabytes (TB)"); }, "Terrabytes (TB)"},
        {[&] { program->fill("cboUnit", ""); }, ""}};
    for (const auto& [choose, chosen] : choices) {
        choose();
        ++changes;
        heard(chosen, chosen);
    }
    program->pressAlt('a');
    EXPECT_EQ(program->accessible("frmAbout", "").description, "Quantaro, Version 1.0.0");
}

// Which colours a contrast theme leaves the program is the rule's (runtime/contrast_paint.h,
// tested on its own; without a theme, see above); here the back end draws its boxes with them:
// the entered box in the theme's highlight, the others as they were.
TEST_P(Windows, InAContrastThemeTheEnteredBoxTakesTheThemesHighlightColours) {
    program->fill("txtUnit", "2");
    program->fill("cboUnit", "Bytes");
    program->click("frmMain", "cmdConvert");
    if (!program->assumeContrastTheme(true)) {
        GTEST_SKIP() << "this back end cannot tell whether a contrast theme is on";
    }
    EXPECT_EQ(program->paint("frmMain", "txtBytes"),
              (Paint{program->rgb(colours::highlightText), program->rgb(colours::highlight)}));
    EXPECT_EQ(program->paint("frmMain", "txtBits"),
              (Paint{program->rgb(colours::buttonText), program->rgb(colours::buttonFace)}));
}

// The box takes the focus while it is up; then the window that had it is active again, not
// whichever the toolkit picks. The control that had it has it again on every back end
// (program_test.cpp); here the focus was in a text box when Enter pressed the default button.
TEST_P(Windows, AfterAMessageBoxTheWindowThatHadTheFocusIsActiveAgain) {
    program->pressAlt('a');
    const struct {
        const char* form;
        const char* control;
        const char* prompt;
    } cases[] = {{"frmAbout", "cmdSysInfo", "System Information Is Unavailable At This Time"},
                 {"frmMain", "cmdConvert", "Type mismatch: \"abc\" is not a number."},
                 {"frmMain", "txtUnit", "Type mismatch: \"abc\" is not a number."}};
    program->fill("txtUnit", "abc");
    program->fill("cboUnit", "Bytes");
    for (const auto& c : cases) {
        program->boxes.clear();
        program->focus(c.form, c.control);
        program->press(Key::Enter);
        ASSERT_EQ(program->boxes.size(), 1u) << c.control;
        EXPECT_EQ(program->boxes.front().text, c.prompt);
        EXPECT_EQ(program->activeWindow(), c.form) << c.control;
    }
    EXPECT_EQ(program->focused(), "txtUnit");
}

// The picture is a stop of About's Tab chain, between OK and System Info, so it shows the focus.
TEST_P(Windows, TheAboutPictureShowsWhenItHasTheFocus) {
    program->pressAlt('a');
    const Rect picture = program->bounds("frmAbout", "picIcon");
    const auto edges = [&] {
        std::vector<Rgb> shown;
        for (int offset = 2; offset < picture.width - 2; ++offset) {
            shown.push_back(program->pixel("frmAbout", picture.left + offset, picture.top + 2));
            shown.push_back(program->pixel("frmAbout", picture.left + 2, picture.top + offset));
        }
        return shown;
    };
    program->focus("frmAbout", "cmdOK");
    const std::vector<Rgb> unfocused = edges();
    program->press(Key::Tab);
    ASSERT_EQ(program->focused(), "picIcon");
    EXPECT_NE(edges(), unfocused);
}

TEST_P(Windows, AboutDrawsItsEtchedRuleGreyOverWhite) {
    program->pressAlt('a');
    const Rgb background = program->pixel("frmAbout", 200, 150);
    const Rgb grey = 0x808080;
    const Rgb white = 0xFFFFFF;
    // Each line runs from its first point up to, not onto, its last.
    const std::tuple<int, int, Rgb> drawn[] = {
        {200, 162, background}, {200, 163, grey}, {200, 164, white}, {200, 165, white},
        {200, 166, background}, {6, 163, grey},   {376, 163, grey},  {377, 163, background}};
    for (const auto& [x, y, colour] : drawn) {
        EXPECT_EQ(program->pixel("frmAbout", x, y), colour) << x << "," << y;
    }
}

// On a dark face About's texts, drawn black for a light one, take the theme's text colour and
// its etched rule the theme's 3-D shadow and highlight (which the rule gives is its own table's,
// runtime/contrast_paint.h); the entered box keeps the program's colours.
TEST_P(Windows, OnADarkFaceAboutsTextsAndRuleTakeTheThemesColours) {
    program->assumeDarkScheme();
    program->fill("txtUnit", "2");
    program->fill("cboUnit", "Bytes");
    program->click("frmMain", "cmdConvert");
    EXPECT_EQ(program->paint("frmMain", "txtBytes"), (Paint{0xFFFF00, 0xFF0000}));
    program->pressAlt('a');
    for (const char* label : {"lblTitle", "lblDescription", "lblDisclaimer"}) {
        EXPECT_EQ(program->paint("frmAbout", label).first, program->rgb(colours::buttonText))
            << label;
    }
    EXPECT_EQ(program->pixel("frmAbout", 200, 163), program->rgb(colours::buttonShadow));
    EXPECT_EQ(program->pixel("frmAbout", 200, 164), program->rgb(colours::buttonHighlight));
}

INSTANTIATE_TEST_SUITE_P(Program, Windows, ::testing::ValuesIn(windowDrivers()),
                         driverName<WindowDriver>);

}  // namespace
}  // namespace quantaro::testing
