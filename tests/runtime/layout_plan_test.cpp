// The window rules every back end builds from: the plan of a layout table, and the tables that
// no plan is made of.
#include "runtime/layout_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "about/frm_about.h"
#include "app/frm_main.h"

namespace quantaro::testing {
namespace {

using enum ControlKind;

// Six pixels a character and fifteen a line, as some font might draw them.
const ScreenFacts at96{96, [](std::string_view text, double textScale) {
                           return PixelSize{
                               static_cast<int>(std::lround(text.size() * 6 * textScale)),
                               static_cast<int>(std::lround(15 * textScale))};
                       }};

FormLayout formOf(std::span<const ControlLayout> controls, std::span<const LineLayout> lines = {}) {
    return {.name = "frmTest",
            .caption = "Test",
            .border = Border::FixedSingle,
            .showInTaskbar = true,
            .clientWidth = 3000,
            .clientHeight = 3000,
            .controls = controls,
            .lines = lines};
}

// A control of the tests' own tables, nine twips square in the window's corner.
constexpr ControlLayout row(std::string_view name, ControlKind kind, int tabIndex) {
    return {.name = name,
            .kind = kind,
            .left = 0,
            .top = 0,
            .width = 9,
            .height = 9,
            .tabIndex = tabIndex};
}

TEST(LayoutPlan, PlacesAControlInAFrameInAFrameFromTheWindowsCorner) {
    // clang-format off
    constexpr ControlLayout controls[] = {
        {.name = "fraOuter", .kind = Frame, .caption = "Outer",
         .left = 150, .top = 300, .width = 2700, .height = 2400, .tabIndex = 0},
        {.name = "fraInner", .kind = Frame, .container = "fraOuter", .caption = "Inner",
         .left = 150, .top = 300, .width = 2250, .height = 1800, .tabIndex = 1},
        {.name = "cmdGo", .kind = Button, .container = "fraInner", .caption = "Go",
         .left = 150, .top = 300, .width = 1500, .height = 450, .tabIndex = 2},
    };
    // clang-format on
    const FormLayout form = formOf(controls);
    const LayoutPlan plan(form, at96);
    EXPECT_EQ(plan.control(2).inWindow, (PixelRect{30, 60, 100, 30}));
    EXPECT_EQ(plan.control(2).inContainer, (PixelRect{10, 20, 100, 30}));
    EXPECT_EQ(plan.control(1).inContainer, (PixelRect{10, 20, 150, 120}));
    EXPECT_EQ(plan.control(2).frame, 1u);
}

TEST(LayoutPlan, GrowsWithTheScreensResolution) {
    const LayoutPlan plan(frmMain::layout, {144, at96.textSize});
    EXPECT_EQ(plan.clientSize(), (PixelSize{639, 579}));
    EXPECT_EQ(plan.control(plan.indexOf("txtBytes")).inWindow, (PixelRect{144, 252, 458, 29}));
    const LayoutPlan about(frmAbout::layout, {144, at96.textSize});
    // The 32 x 32 icon and its two-pixel border, at one and a half times their size.
    EXPECT_EQ(about.control(about.indexOf("picIcon")).inWindow, (PixelRect{24, 24, 54, 54}));
    EXPECT_EQ(about.lines()[1].area, (PixelRect{11, 246, 554, 3}));
}

// A font larger than the tables' 9 points grows the whole window with it; a smaller one does
// not shrink it. The client area is 6390 x 5790 twips.
TEST(LayoutPlan, GrowsWithALargerInterfaceFontAndNeverShrinksWithASmallerOne) {
    const std::pair<double, PixelSize> cases[] = {{7, {426, 386}},
                                                  {9, {426, 386}},
                                                  {11.25, {533, 483}},
                                                  {13.5, {639, 579}},
                                                  {18, {852, 772}}};
    for (const auto& [points, client] : cases) {
        const LayoutPlan plan(frmMain::layout, {96, at96.textSize, points});
        EXPECT_EQ(plan.clientSize(), client) << points;
    }
    // Twice the font lays the window out as twice the resolution does, icon and lines included.
    const LayoutPlan larger(frmAbout::layout, {96, at96.textSize, 18});
    const LayoutPlan denser(frmAbout::layout, {192, at96.textSize});
    for (std::size_t index = 0; index < larger.controls().size(); ++index) {
        EXPECT_EQ(larger.control(index).inWindow, denser.control(index).inWindow) << index;
    }
    EXPECT_EQ(larger.lines()[1].area, denser.lines()[1].area);
}

// "System Info..." takes 14 x 6 pixels and 6 more each side: 13 more than its 83. OK, which
// ends where it ends, widens with it; the converter window's buttons have room enough.
TEST(LayoutPlan, AButtonTooNarrowForItsCaptionWidensAboutItsCentreAndItsColumnWithIt) {
    const LayoutPlan about(frmAbout::layout, at96);
    EXPECT_EQ(about.control(about.indexOf("cmdSysInfo")).inWindow, (PixelRect{278, 205, 96, 23}));
    EXPECT_EQ(about.control(about.indexOf("cmdOK")).inWindow, (PixelRect{277, 175, 97, 23}));
    const LayoutPlan converter(frmMain::layout, at96);
    EXPECT_EQ(converter.control(converter.indexOf("cmdAbout")).inWindow,
              (PixelRect{152, 344, 121, 33}));
}

// A label beside its box takes the box's height, its text centred; one above its text is not.
TEST(LayoutPlan, ALabelBesideItsBoxSpansTheBoxsHeight) {
    const LayoutPlan converter(frmMain::layout, at96);
    const ControlPlan& label = converter.control(converter.indexOf("Label4"));
    EXPECT_EQ(label.inWindow.top, 232);
    EXPECT_EQ(label.inWindow.height, 19);
    EXPECT_EQ(label.inContainer.top, 120);
    EXPECT_TRUE(label.textCentred);
    const LayoutPlan about(frmAbout::layout, at96);
    EXPECT_FALSE(about.control(about.indexOf("lblVersion")).textCentred);
}

// A window moved to a screen of another resolution is planned again in place: what the
// controls were bound to stays where it was and now holds the new places.
TEST(LayoutPlan, PlannedAgainForAnotherResolutionKeepsEveryControlWhereItsBindingsPoint) {
    const LayoutPlan at144(frmMain::layout, {144, at96.textSize});
    LayoutPlan plan(frmMain::layout, at96);
    const ControlPlan* const bound = plan.controls().data();
    plan.replanFor({144, at96.textSize});
    ASSERT_EQ(plan.controls().data(), bound);
    EXPECT_EQ(plan.clientSize(), at144.clientSize());
    EXPECT_EQ(plan.dotsPerInch(), 144);
    for (std::size_t index = 0; index < plan.controls().size(); ++index) {
        EXPECT_EQ(plan.control(index).inWindow, at144.control(index).inWindow) << index;
        EXPECT_EQ(plan.control(index).row, at144.control(index).row) << index;
    }
}

// Where a table gives a control more than one name, its row's own comes first, then its
// label's caption, then its own caption; a control without the focus has none. What each back
// end tells screen readers of the program's windows, the conformance suite checks.
TEST(LayoutPlan, NamesAControlByItsTableRowElseItsLabelElseItsCaption) {
    // clang-format off
    constexpr ControlLayout controls[] = {
        {.name = "lblStart", .kind = Label, .caption = "&Start:",
         .left = 0, .top = 0, .width = 600, .height = 300, .tabIndex = 0, .labelFor = "cmdGo"},
        {.name = "cmdGo", .kind = Button, .caption = "Go",
         .left = 600, .top = 0, .width = 900, .height = 300, .tabIndex = 1},
        {.name = "lblHalt", .kind = Label, .caption = "Halt:",
         .left = 0, .top = 400, .width = 600, .height = 300, .tabIndex = 2, .labelFor = "cmdStop"},
        {.name = "cmdStop", .kind = Button, .caption = "Stop",
         .left = 600, .top = 400, .width = 900, .height = 300, .tabIndex = 3,
         .accessibleName = "Stop now"},
    };
    // clang-format on
    const FormLayout form = formOf(controls);
    const LayoutPlan plan(form, at96);
    const std::pair<const char*, const char*> named[] = {
        {"lblStart", ""}, {"cmdGo", "Start"}, {"lblHalt", ""}, {"cmdStop", "Stop now"}};
    for (const auto& [control, name] : named) {
        EXPECT_EQ(plan.control(plan.indexOf(control)).accessibleName, name) << control;
    }
}

struct BrokenTable {
    const char* name;
    std::vector<ControlLayout> controls;
    std::vector<LineLayout> lines = {};
    const char* refusal;  // what the rule that refuses it says
};

class RefusesToPlan : public ::testing::TestWithParam<BrokenTable> {};

TEST_P(RefusesToPlan, ATableThatBreaksARule) {
    const FormLayout form = formOf(GetParam().controls, GetParam().lines);
    try {
        LayoutPlan(form, at96);
        ADD_FAILURE() << "planned a table that breaks a rule";
    } catch (const std::logic_error& refused) {
        EXPECT_NE(std::string(refused.what()).find(GetParam().refusal), std::string::npos)
            << refused.what();
    }
}

ControlLayout withContainer(ControlLayout control, std::string_view container) {
    control.container = container;
    return control;
}
ControlLayout withRole(ControlLayout control, ButtonRole role) {
    control.role = role;
    return control;
}
ControlLayout naming(ControlLayout label, std::string_view control) {
    label.labelFor = control;
    return label;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, RefusesToPlan,
    ::testing::Values(
        BrokenTable{.name = "TwoControlsOfOneName",
                    .controls = {row("cmdGo", Button, 0), row("cmdGo", Button, 1)},
                    .refusal = "two controls of a layout share a name"},
        BrokenTable{.name = "TwoControlsOfOneTabIndex",
                    .controls = {row("cmdGo", Button, 0), row("cmdStop", Button, 0)},
                    .refusal = "two controls of a layout share a tab index"},
        BrokenTable{.name = "AnUnknownContainer",
                    .controls = {withContainer(row("cmdGo", Button, 0), "fraNone")},
                    .refusal = "a control's container must be a frame earlier in its table"},
        BrokenTable{
            .name = "AContainerThatIsNoFrame",
            .controls = {row("cmdGo", Button, 0), withContainer(row("txtIn", TextBox, 1), "cmdGo")},
            .refusal = "a control's container must be a frame earlier in its table"},
        BrokenTable{.name = "AContainerLaterInTheTable",
                    .controls = {withContainer(row("txtIn", TextBox, 0), "fraLater"),
                                 row("fraLater", Frame, 1)},
                    .refusal = "a control's container must be a frame earlier in its table"},
        BrokenTable{.name = "TwoDefaultButtons",
                    .controls = {withRole(row("cmdGo", Button, 0), ButtonRole::Default),
                                 withRole(row("cmdStop", Button, 1), ButtonRole::DefaultAndCancel)},
                    .refusal = "a layout has more than one default or more than one cancel button"},
        BrokenTable{.name = "ALabelNamingAControlWithoutFocus",
                    .controls = {naming(row("lblA", Label, 0), "lblB"), row("lblB", Label, 1)},
                    .refusal = "only a label names a control, and one that takes the focus"},
        BrokenTable{.name = "TwoLabelsNamingOneBox",
                    .controls = {naming(row("lblA", Label, 0), "txtIn"),
                                 naming(row("lblB", Label, 1), "txtIn"), row("txtIn", TextBox, 2)},
                    .refusal = "two labels name the same control"},
        BrokenTable{
            .name = "ALineAslant",
            .controls = {},
            .lines =
                {{.x1 = 0, .y1 = 0, .x2 = 90, .y2 = 90, .colour = colours::grey, .widthPixels = 1}},
            .refusal = "a layout's lines run across or down, never aslant"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quantaro::testing
