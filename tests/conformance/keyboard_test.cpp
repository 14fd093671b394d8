// The keyboard in the program's windows on every real window system: Enter and the access
// keys press buttons, Escape closes only the About window, Tab follows the tab index, and the
// read-out boxes and the unit list take no text of their own.
#include "conformance/suite.h"
#include "runtime/run_time_error.h"

namespace quantaro::testing {
namespace {

using Keyboard = EveryWindowSystem;

TEST_P(Keyboard, EnterOrAltOConvertsTheTypedValueFromAnyControl) {
    for (const char* from : {"txtUnit", "cboUnit", "txtBits", "cmdExit"}) {
        restart();
        program->focus("frmMain", "txtUnit");
        program->type("1");
        program->focus("frmMain", "cboUnit");
        program->type("t");
        program->focus("frmMain", from);
        from == std::string("txtUnit") ? program->press(Key::Enter) : program->pressAlt('o');
        EXPECT_EQ(program->text("txtTerrabytes"), "1") << from;
        EXPECT_EQ(program->text("txtGigabytes"), "1024") << from;
        EXPECT_EQ(program->text("txtBits"), "8796093022208") << from;
        EXPECT_TRUE(program->boxes.empty()) << from;
    }
}

TEST_P(Keyboard, EnterPressesTheFocusedButtonElseTheDefaultOne) {
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

TEST_P(Keyboard, EscapeInTheConverterWindowChangesNothing) {
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

TEST_P(Keyboard, EscapeAndEnterCloseAboutUnlessEnterFallsOnSystemInfo) {
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

TEST_P(Keyboard, AltSStartsTheSystemInformationToolTheRegistryNames) {
    program->registry->setText(registry::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               "PATH", std::string("C:\\Tools\\MSINFO32.EXE") + '\0');
    program->pressAlt('a');
    program->pressAlt('s');
    EXPECT_EQ(program->started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(program->boxes.empty());
}

TEST_P(Keyboard, AltXWithAboutOpenClosesBothWindowsAndEndsTheProgram) {
    program->pressAlt('a');
    program->activate("frmMain");
    program->pressAlt('x');
    EXPECT_TRUE(program->windows().empty());
    EXPECT_EQ(program->endRequests(), 1);
}

TEST_P(Keyboard, TabVisitsTheControlsInTabIndexOrderAndComesBackToTheFirst) {
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

TEST_P(Keyboard, ReadOutBoxesTakeTheFocusAndCopyButNoEdit) {
    program->fill("txtUnit", "1");
    program->fill("cboUnit", "Terrabytes (TB)");
    program->click("frmMain", "cmdConvert");
    for (const std::string& box : readOutBoxes) {
        const std::string before = program->text(box);
        program->click("frmMain", box);
        EXPECT_EQ(program->focused(), box);
        program->type("7x");
        for (const Key key : {Key::Backspace, Key::Delete, Key::Home, Key::Delete, Key::SelectAll,
                              Key::Cut, Key::Paste, Key::Delete}) {
            program->press(key);
            EXPECT_EQ(program->text(box), before) << box << " after key " << static_cast<int>(key);
        }
        program->press(Key::SelectAll);
        program->press(Key::Copy);
        EXPECT_EQ(program->clipboard(), before) << box;
    }
}

TEST_P(Keyboard, UnitListKeysOnlyMoveTheChoiceAmongItsEntries) {
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

// The headless double takes any text into the list and reads a button's text, so this runs on
// the real back ends.
TEST_P(Keyboard, ControlsRefuseWhatTheirKindCannotDo) {
    const auto refuses = [this](const char* control, int error, auto use) {
        try {
            use(program->form("frmMain").control(control));
            ADD_FAILURE() << control << " took it";
        } catch (const RunTimeError& raised) {
            EXPECT_EQ(raised.number(), error) << control;
        }
    };
    const int notSupported = RunTimeError::notSupported().number();
    refuses("Label1", notSupported, [](Control& c) { c.setText("1"); });
    refuses("cmdExit", notSupported, [](Control& c) { (void)c.text(); });
    refuses("txtBits", notSupported, [](Control& c) { c.setCaption("x"); });
    refuses("txtUnit", notSupported, [](Control& c) { c.addItem("x"); });
    refuses("Frame2", notSupported, [](Control& c) { c.setFocus(); });
    // The unit list takes one of its entries, or nothing.
    program->fill("cboUnit", "Gigabytes (GB)");
    refuses("cboUnit", RunTimeError::invalidArgument().number(),
            [](Control& c) { c.setText("Kilobytes"); });
    EXPECT_EQ(program->text("cboUnit"), "Gigabytes (GB)");
    program->fill("cboUnit", "");
    EXPECT_EQ(program->text("cboUnit"), "");
}

INSTANTIATE_TEST_SUITE_P(Program, Keyboard, ::testing::ValuesIn(windowDrivers()),
                         driverName<WindowDriver>);

}  // namespace
}  // namespace quantaro::testing
