// The About window's layout: icon, three lines of text beside it, an etched rule drawn by two
// lines, the notice below it and the two buttons on the right.
#include "about/frm_about.h"
#include "runtime/layout_check.h"

namespace quantaro {

namespace {

using enum ControlKind;

// clang-format off
constexpr ControlLayout controls[] = {
    // name, kind, container, caption, left, top, width, height, tab index, role,
    // accessible name, the control a label names, text colour
    {"picIcon", Picture, "", "", 240, 240, 540, 540, 1, ButtonRole::Plain, "Quantaro icon"},
    {"lblTitle", Label, "", "Application Title", 1050, 240, 3885, 480, 5, ButtonRole::Plain, {}, {},
     colours::black},
    {"lblVersion", Label, "", "Version", 1050, 780, 3885, 225, 6},
    {"lblDescription", Label, "", "This Program Converts Values Between Bytes Units",
     1050, 1125, 3885, 1170, 3, ButtonRole::Plain, {}, {}, colours::black},
    {"lblDisclaimer", Label, "", "Quantaro is free to use and comes with no warranty. Check "
                                 "figures that matter before you rely on them.",
     255, 2625, 3870, 825, 4, ButtonRole::Plain, {}, {}, colours::black},
    {"cmdOK", Button, "", "OK", 4245, 2625, 1260, 345, 0, ButtonRole::DefaultAndCancel},
    {"cmdSysInfo", Button, "", "&System Info...", 4260, 3075, 1245, 345, 2},
};
// clang-format on

// Grey above white: together one etched rule across the window.
constexpr LineLayout lines[] = {
    {90, 2445, 5654, 2445, colours::grey, 1},
    {105, 2460, 5654, 2460, colours::white, 2},
};
static_assert(checkLayout(controls, lines));

}  // namespace

const FormLayout frmAbout::layout{
    .name = "frmAbout",
    .caption = "About MyApp",
    .border = Border::FixedDialog,
    .showInTaskbar = false,
    .clientWidth = 5730,
    .clientHeight = 3555,
    .controls = controls,
    .lines = lines,
};

}  // namespace quantaro
