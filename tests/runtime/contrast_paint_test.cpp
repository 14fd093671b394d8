// The colours a control is drawn in with and without a contrast theme. The expected colours are
// written as the numbers the program stores: 0x8000000D is the system's highlight, 0x8000000E
// its highlight text, 0x80000008 the window text and 0x80000012 the button text.
#include "runtime/contrast_paint.h"

#include <gtest/gtest.h>

namespace quantaro::testing {
namespace {

struct PaintCase {
    const char* name;
    Colour back, fore;
    bool contrastTheme;
    Colour drawnBack, drawnFore;
};

class ContrastPaint : public ::testing::TestWithParam<PaintCase> {};

TEST_P(ContrastPaint, DrawsTheProgramsColoursOrTheThemes) {
    const PaintCase& c = GetParam();
    const ControlPaint drawn = controlPaint(c.back, c.fore, c.contrastTheme);
    EXPECT_EQ(drawn.back, c.drawnBack);
    EXPECT_EQ(drawn.fore, c.drawnFore);
}

using namespace colours;

INSTANTIATE_TEST_SUITE_P(
    Colours, ContrastPaint,
    ::testing::Values(
        // Without a theme the program's own colours are drawn, whatever they are.
        PaintCase{"EnteredBoxWithoutATheme", red, yellow, false, 0x000000FF, 0x0000FFFF},
        PaintCase{"BlackLabelWithoutATheme", buttonFace, black, false, 0x8000000F, 0x00000000},
        PaintCase{"PlainBoxWithoutATheme", buttonFace, buttonText, false, 0x8000000F, 0x80000012},
        // A theme's own colours are its to draw.
        PaintCase{"PlainBoxInATheme", buttonFace, buttonText, true, 0x8000000F, 0x80000012},
        PaintCase{"FreshBoxInATheme", windowBackground, windowText, true, 0x80000005, 0x80000008},
        // A background of the program's choosing becomes the highlight, with its text, even
        // where the text colour is a theme's.
        PaintCase{"EnteredBoxInATheme", red, yellow, true, 0x8000000D, 0x8000000E},
        PaintCase{"OwnBackOnlyInATheme", white, windowText, true, 0x8000000D, 0x8000000E},
        // A text colour of its own on a theme background: the theme's text for that background.
        PaintCase{"BlackLabelInATheme", buttonFace, black, true, 0x8000000F, 0x80000012},
        PaintCase{"OwnTextOnAWindowBackgroundInATheme", windowBackground, red, true, 0x80000005,
                  0x80000008}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quantaro::testing
