// The About window's layout: icon, three lines of text beside it, an etched rule drawn by two
// lines, the notice below it and the two buttons on the right.
#include "about/frm_about.h"
#include "runtime/layout_check.h"

namespace quantaro {

namespace {

using enum ControlKind;

// clang-format off
constexpr ControlLayout controls[] = {
    {.name = "picIcon", .kind = Picture,
     .left = 240, .top = 240, .width = 540, .height = 540, .tabIndex = 1,
     .accessibleName = "Quantaro icon"},
    {.name = "lblTitle", .kind = Label, .caption = "Application Title",
     .left = 1050, .top = 240, .width = 3885, .height = 480, .tabIndex = 5,
     .foreColor = colours::black},
    {.name = "lblVersion", .kind = Label, .caption = "Version",
     .left = 1050, .top = 780, .width = 3885, .height = 225, .tabIndex = 6},
    {.name = "lblDescription", .kind = Label,
     .caption = "This Program Converts Values Between Bytes Units",
     .left = 1050, .top = 1125, .width = 3885, .height = 1170, .tabIndex = 3,
     .foreColor = colours::black},
    {.name = "lblDisclaimer", .kind = Label,
     .caption = "Quantaro is free to use and comes with no warranty. Check "
                "figures that matter before you rely on them.",
     .left = 255, .top = 2625, .width = 3870, .height = 825, .tabIndex = 4,
     .foreColor = colours::black},
    {.name = "cmdOK", .kind = Button, .caption = "OK",
     .left = 4245, .top = 2625, .width = 1260, .height = 345, .tabIndex = 0,
     .role = ButtonRole::DefaultAndCancel},
    {.name = "cmdSysInfo", .kind = Button, .caption = "&System Info...",
     .left = 4260, .top = 3075, .width = 1245, .height = 345, .tabIndex = 2},
};
// clang-format on

// Grey above white: together one etched rule across the window.
constexpr LineLayout lines[] = {
    {.x1 = 90, .y1 = 2445, .x2 = 5654, .y2 = 2445, .colour = colours::grey, .widthPixels = 1},
    {.x1 = 105, .y1 = 2460, .x2 = 5654, .y2 = 2460, .colour = colours::white, .widthPixels = 2},
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
