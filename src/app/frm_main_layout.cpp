// The converter window's layout. The five read-out boxes below Bits are children of the window
// itself, lying over the Output frame, so they come after it here: later rows lie on top.
#include "app/frm_main.h"
#include "runtime/layout_check.h"

namespace quantaro {

namespace {

using enum ControlKind;

// clang-format off
constexpr ControlLayout controls[] = {
    // name, kind, container, caption, left, top, width, height, tab index, role,
    // accessible name, the control a label names
    {"Frame1", Frame, "", "Input", 120, 120, 6135, 1335, 0},
    {"cboUnit", DropDownList, "Frame1", "", 120, 360, 5775, 315, 6, ButtonRole::Plain, "Unit"},
    {"txtUnit", TextBox, "Frame1", "", 120, 840, 5775, 375, 5, ButtonRole::Plain, "Value"},
    {"Frame2", Frame, "", "Output", 120, 1680, 6135, 3255, 1},
    {"Label1", Label, "Frame2", "Bits:", 120, 360, 375, 255, 7, ButtonRole::Plain, {}, "txtBits"},
    {"Label2", Label, "Frame2", "Bytes:", 120, 840, 495, 255, 8, ButtonRole::Plain, {}, "txtBytes"},
    {"Label3", Label, "Frame2", "Killobytes:", 120, 1320, 855, 255, 10, ButtonRole::Plain, {},
     "txtKillobytes"},
    {"Label4", Label, "Frame2", "Megabytes:", 120, 1800, 855, 255, 11, ButtonRole::Plain, {},
     "txtMegabytes"},
    {"Label5", Label, "Frame2", "Gigabytes:", 120, 2280, 855, 255, 12, ButtonRole::Plain, {},
     "txtGigabytes"},
    {"Label6", Label, "Frame2", "Terrabytes:", 120, 2760, 855, 255, 13, ButtonRole::Plain, {},
     "txtTerrabytes"},
    {"txtBits", ReadOnlyTextBox, "Frame2", "", 1320, 360, 4575, 285, 9},
    {"cmdConvert", Button, "", "C&onvert", 120, 5160, 1815, 495, 2, ButtonRole::Default},
    {"cmdAbout", Button, "", "&About", 2280, 5160, 1815, 495, 3},
    {"cmdExit", Button, "", "E&xit", 4440, 5160, 1815, 495, 4},
    {"txtBytes", ReadOnlyTextBox, "", "", 1440, 2520, 4575, 285, 14},
    {"txtKillobytes", ReadOnlyTextBox, "", "", 1440, 3000, 4575, 285, 15},
    {"txtMegabytes", ReadOnlyTextBox, "", "", 1440, 3480, 4575, 285, 16},
    {"txtGigabytes", ReadOnlyTextBox, "", "", 1440, 3960, 4575, 285, 17},
    {"txtTerrabytes", ReadOnlyTextBox, "", "", 1440, 4440, 4575, 285, 18},
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
