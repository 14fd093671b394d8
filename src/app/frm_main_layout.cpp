// The converter window's layout. The five read-out boxes below Bits are children of the window
// itself, lying over the Output frame, so they come after it here: later rows lie on top.
#include "app/frm_main.h"
#include "runtime/layout_check.h"

namespace quantaro {

namespace {

using enum ControlKind;

// clang-format off
constexpr ControlLayout controls[] = {
    {.name = "Frame1", .kind = Frame, .caption = "Input",
     .left = 120, .top = 120, .width = 6135, .height = 1335, .tabIndex = 0},
    {.name = "cboUnit", .kind = DropDownList, .container = "Frame1",
     .left = 120, .top = 360, .width = 5775, .height = 315, .tabIndex = 6,
     .accessibleName = "Unit"},
    {.name = "txtUnit", .kind = TextBox, .container = "Frame1",
     .left = 120, .top = 840, .width = 5775, .height = 375, .tabIndex = 5,
     .accessibleName = "Value"},
    {.name = "Frame2", .kind = Frame, .caption = "Output",
     .left = 120, .top = 1680, .width = 6135, .height = 3255, .tabIndex = 1},
    {.name = "Label1", .kind = Label, .container = "Frame2", .caption = "Bits:",
     .left = 120, .top = 360, .width = 375, .height = 255, .tabIndex = 7,
     .labelFor = "txtBits"},
    {.name = "Label2", .kind = Label, .container = "Frame2", .caption = "Bytes:",
     .left = 120, .top = 840, .width = 495, .height = 255, .tabIndex = 8,
     .labelFor = "txtBytes"},
    {.name = "Label3", .kind = Label, .container = "Frame2", .caption = "Killobytes:",
     .left = 120, .top = 1320, .width = 855, .height = 255, .tabIndex = 10,
     .labelFor = "txtKillobytes"},
    {.name = "Label4", .kind = Label, .container = "Frame2", .caption = "Megabytes:",
     .left = 120, .top = 1800, .width = 855, .height = 255, .tabIndex = 11,
     .labelFor = "txtMegabytes"},
    {.name = "Label5", .kind = Label, .container = "Frame2", .caption = "Gigabytes:",
     .left = 120, .top = 2280, .width = 855, .height = 255, .tabIndex = 12,
     .labelFor = "txtGigabytes"},
    {.name = "Label6", .kind = Label, .container = "Frame2", .caption = "Terrabytes:",
     .left = 120, .top = 2760, .width = 855, .height = 255, .tabIndex = 13,
     .labelFor = "txtTerrabytes"},
    {.name = "txtBits", .kind = ReadOnlyTextBox, .container = "Frame2",
     .left = 1320, .top = 360, .width = 4575, .height = 285, .tabIndex = 9},
    {.name = "cmdConvert", .kind = Button, .caption = "C&onvert",
     .left = 120, .top = 5160, .width = 1815, .height = 495, .tabIndex = 2,
     .role = ButtonRole::Default},
    {.name = "cmdAbout", .kind = Button, .caption = "&About",
     .left = 2280, .top = 5160, .width = 1815, .height = 495, .tabIndex = 3},
    {.name = "cmdExit", .kind = Button, .caption = "E&xit",
     .left = 4440, .top = 5160, .width = 1815, .height = 495, .tabIndex = 4},
    {.name = "txtBytes", .kind = ReadOnlyTextBox,
     .left = 1440, .top = 2520, .width = 4575, .height = 285, .tabIndex = 14},
    {.name = "txtKillobytes", .kind = ReadOnlyTextBox,
     .left = 1440, .top = 3000, .width = 4575, .height = 285, .tabIndex = 15},
    {.name = "txtMegabytes", .kind = ReadOnlyTextBox,
     .left = 1440, .top = 3480, .width = 4575, .height = 285, .tabIndex = 16},
    {.name = "txtGigabytes", .kind = ReadOnlyTextBox,
     .left = 1440, .top = 3960, .width = 4575, .height = 285, .tabIndex = 17},
    {.name = "txtTerrabytes", .kind = ReadOnlyTextBox,
     .left = 1440, .top = 4440, .width = 4575, .height = 285, .tabIndex = 18},
};
// clang-format on
static_assert(checkLayout(controls));

}  // namespace

const FormLayout frmMain::layout{
    .name = "frmMain",
    .caption = "Quantaro",
    .border = Border::FixedSingle,
    .showInTaskbar = true,
    .clientWidth = 6390,
    .clientHeight = 5790,
    .controls = controls,
};

}  // namespace quantaro
