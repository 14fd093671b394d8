// What the program does on every back end, the headless double included: the texts its windows
// show, its message boxes, and how its windows come and go.
#include "conformance/program_driver.h"
#include "runtime/run_time_error.h"
#include "support/application_access.h"

namespace quantaro::testing {
namespace {

using EveryBackEnd = OnEachBackEnd<ProgramDriver>;

// The About window as its load handler leaves it, not as its table starts it.
TEST_P(EveryBackEnd, EveryCaptionReadsExactlyAsWritten) {
    using Captions = std::vector<std::pair<std::string_view, std::string>>;  // "": the window's
    // clang-format off
    const std::pair<const char*, Captions> forms[] = {
        {"frmMain", {{"", "Quantaro"}, {"Frame1", "Input"}, {"Frame2", "Output"},
                     {"Label1", "Bits:"}, {"Label2", "Bytes:"}, {"Label3", "Killobytes:"},
                     {"Label4", "Megabytes:"}, {"Label5", "Gigabytes:"}, {"Label6", "Terrabytes:"},
                     {"cmdConvert", "C&onvert"}, {"cmdAbout", "&About"}, {"cmdExit", "E&xit"}}},
        {"frmAbout", {{"", "About Quantaro"}, {"lblTitle", "Quantaro"},
                      {"lblVersion", "Version 1.0.0"},
                      {"lblDescription", "This Program Converts Values Between Bytes Units"},
                      {"lblDisclaimer", "Quantaro is free to use and comes with no warranty. "
                                        "Check figures that matter before you rely on them."},
                      {"cmdOK", "OK"}, {"cmdSysInfo", "&System Info..."}}}};
    // clang-format on
    program->click("frmMain", "cmdAbout");
    for (const auto& [form, captions] : forms) {
        for (const auto& [control, shown] : captions) {
            EXPECT_EQ(program->caption(form, control), shown) << form << "." << control;
        }
    }
}

TEST_P(EveryBackEnd, ConverterWindowStartsWithTheSixUnitsNoneChosenAndEveryBoxEmpty) {
    EXPECT_TRUE(program->isVisible("frmMain"));
    EXPECT_EQ(program->items("cboUnit"), unitEntries);
    for (const std::string& box : readOutBoxes) {
        EXPECT_EQ(program->text(box), "") << box;
    }
    EXPECT_EQ(program->text("cboUnit") + program->text("txtUnit"), "");
}

// Each box is answered at once; with About open the program goes on converting afterwards.
// The box takes the focus while it is up; then the focus is back where it was, unless the
// handler moves it.
TEST_P(EveryBackEnd, MessageBoxesAreTitledQuantaroBlockEveryWindowAndGiveTheFocusBack) {
    const struct {
        const char* value;
        const char* unit;
        const char* owner;  // the window acted in
        const char* clicked;
        const char* prompt;
        MessageIcon icon;
        const char* focusAfter;  // empty: on the button clicked, as before the box
    } cases[] = {
        {"", "", "frmMain", "cmdConvert", "Select a Unit", MessageIcon::Exclamation, "cboUnit"},
        {"12", "", "frmMain", "cmdConvert", "Select a Unit", MessageIcon::Exclamation, "cboUnit"},
        {"", "Bytes", "frmMain", "cmdConvert", "Insert a value", MessageIcon::Exclamation,
         "txtUnit"},
        {"abc", "Bytes", "frmMain", "cmdConvert", "Type mismatch: \"abc\" is not a number.",
         MessageIcon::Critical, ""},
        {"", "", "frmAbout", "cmdSysInfo", "System Information Is Unavailable At This Time",
         MessageIcon::None, ""}};
    program->click("frmMain", "cmdAbout");
    for (const auto& c : cases) {
        program->fill("txtUnit", c.value);
        program->fill("cboUnit", c.unit);
        program->boxes.clear();
        program->form(c.owner).control(c.clicked).setFocus();
        program->click(c.owner, c.clicked);
        ASSERT_EQ(program->boxes.size(), 1u) << c.prompt;
        const ShownBox& box = program->boxes.front();
        EXPECT_EQ(box.text, c.prompt);
        EXPECT_EQ(box.title, "Quantaro");
        EXPECT_EQ(box.icon, c.icon) << c.prompt;
        EXPECT_TRUE(box.okOnly && box.blocking) << c.prompt;
        EXPECT_EQ(box.owner, c.owner) << c.prompt;
        EXPECT_EQ(program->focused(), *c.focusAfter != '\0' ? c.focusAfter : c.clicked) << c.prompt;
        EXPECT_TRUE(program->isVisible("frmAbout"));
    }
    EXPECT_TRUE(program->started.empty());
    EXPECT_EQ(program->endRequests(), 0);
    program->fill("txtUnit", "1");
    program->fill("cboUnit", "Gigabytes (GB)");
    program->click("frmMain", "cmdConvert");
    EXPECT_EQ(program->text("txtMegabytes"), "1024");
    EXPECT_EQ(program->text("txtBits"), "8589934592");
}

// A form that was loaded again shows its load handler's texts, not what it showed before.
TEST_P(EveryBackEnd, AboutOpensOnceUntilOKOrItsTitleBarClosesItThenIsLoadedAnew) {
    for (const bool byTitleBar : {false, true}) {
        program->click("frmMain", "cmdAbout");
        program->form("frmAbout").control("lblVersion").setCaption("seen");
        program->click("frmMain", "cmdAbout");
        EXPECT_EQ(windowCount("frmAbout"), 1);
        EXPECT_EQ(program->caption("frmAbout", "lblVersion"), "seen") << "loaded again";
        if (byTitleBar) {
            program->closeFromTitleBar("frmAbout");
        } else {
            program->click("frmAbout", "cmdOK");
        }
        EXPECT_FALSE(isOpen("frmAbout") || program->form("frmAbout").isLoaded()) << byTitleBar;
        EXPECT_TRUE(program->isVisible("frmMain"));
        EXPECT_EQ(program->endRequests(), 0);
    }
    program->click("frmMain", "cmdAbout");
    EXPECT_TRUE(program->isVisible("frmAbout"));
    EXPECT_EQ(program->caption("frmAbout"), "About Quantaro");
    EXPECT_EQ(program->caption("frmAbout", "lblVersion"), "Version 1.0.0");
}

TEST_P(EveryBackEnd, TheProgramEndsWithExitOrWithItsLastWindowClosedInEitherOrder) {
    program->click("frmMain", "cmdAbout");
    program->click("frmMain", "cmdExit");
    EXPECT_TRUE(program->windows().empty());
    EXPECT_EQ(program->endRequests(), 1);
    EXPECT_TRUE(ApplicationTestAccess::hasEnded(program->application()));
    for (const bool converterFirst : {true, false}) {
        restart();
        program->click("frmMain", "cmdAbout");
        const char* first = converterFirst ? "frmMain" : "frmAbout";
        const char* second = converterFirst ? "frmAbout" : "frmMain";
        EXPECT_TRUE(program->isOnTaskbar("frmMain"));
        EXPECT_FALSE(program->isOnTaskbar("frmAbout")) << "beside the converter window";
        program->closeFromTitleBar(first);
        EXPECT_FALSE(isOpen(first) || program->form(first).isLoaded()) << first;
        EXPECT_TRUE(program->isVisible(second)) << second;
        // The program's last window is one the user can find and switch to.
        EXPECT_TRUE(program->isOnTaskbar(second)) << second;
        EXPECT_EQ(program->endRequests(), 0) << second << " is still open";
        program->closeFromTitleBar(second);
        EXPECT_TRUE(program->windows().empty());
        EXPECT_EQ(program->endRequests(), 1);
        EXPECT_EQ(program->exitStatus(), 0);
    }
    restart();
    program->closeFromTitleBar("frmMain");
    EXPECT_EQ(program->endRequests(), 1) << "the converter window alone";
}

// What a kind cannot do is refused before any back end is asked, the headless double's too.
TEST_P(EveryBackEnd, ControlsRefuseWhatTheirKindCannotDo) {
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

// A fault that is no run-time error, here one of the program starter's, is told and ends the
// program with a failure status on every back end: nothing unwinds through a toolkit.
TEST_P(EveryBackEnd, AnErrorThatIsNoRunTimeErrorIsToldAndEndsTheProgramWithAFailure) {
    program->registry->setText(registry::localMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               "PATH", "C:\\Tools\\MSINFO32.EXE");
    program->startingBreaks = true;
    program->click("frmMain", "cmdAbout");
    program->click("frmAbout", "cmdSysInfo");
    ASSERT_EQ(program->boxes.size(), 1u);
    EXPECT_EQ(program->boxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(program->boxes[0].owner, "frmAbout");
    EXPECT_NE(program->boxes[0].text.find("the program starter broke"), std::string::npos);
    EXPECT_EQ(program->endRequests(), 1);
    EXPECT_NE(program->exitStatus(), 0);
    EXPECT_TRUE(program->windows().empty() || !program->isVisible("frmMain"));
}

INSTANTIATE_TEST_SUITE_P(Program, EveryBackEnd, ::testing::ValuesIn(programDrivers()),
                         driverName<ProgramDriver>);

}  // namespace
}  // namespace quantaro::testing
