// The colours a control and a line are drawn in, with and without a contrast theme, on a light
// face and on a dark one. The expected colours are written as the numbers the program stores:
// 0x8000000D is the system's highlight, 0x8000000E its highlight text, 0x80000008 the window
// text, 0x80000012 the button text, 0x80000010 the 3-D shadow and 0x80000014 its highlight.
// Faces are 0x00BBGGRR; which are dark was worked out by hand with the WCAG relative luminance.
#include "runtime/contrast_paint.h"

#include <gtest/gtest.h>

namespace quantaro::testing {
namespace {

constexpr Theme light{.contrast = false, .face = 0x00F0F0F0};
constexpr Theme contrastTheme{.contrast = true, .face = 0x00F0F0F0};
constexpr Theme dark{.contrast = false, .face = 0x00323232};

struct PaintCase {
    const char* name;
    Colour back, fore;
    Theme theme;
    Colour drawnBack, drawnFore;
};

class ContrastPaint : public ::testing::TestWithParam<PaintCase> {};

TEST_P(ContrastPaint, DrawsTheProgramsColoursOrTheThemes) {
    const PaintCase& c = GetParam();
    const ControlPaint drawn = controlPaint(c.back, c.fore, c.theme);
    EXPECT_EQ(drawn.back, c.drawnBack);
    EXPECT_EQ(drawn.fore, c.drawnFore);
}

using namespace colours;

INSTANTIATE_TEST_SUITE_P(
    Colours, ContrastPaint,
    ::testing::Values(
        // Without a theme, on a light face, the program's own colours are drawn.
        PaintCase{"EnteredBoxWithoutATheme", red, yellow, light, 0x000000FF, 0x0000FFFF},
        PaintCase{"BlackLabelWithoutATheme", buttonFace, black, light, 0x8000000F, 0x00000000},
        PaintCase{"PlainBoxWithoutATheme", buttonFace, buttonText, light, 0x8000000F, 0x80000012},
        // A theme's own colours are its to draw.
        PaintCase{"PlainBoxInATheme", buttonFace, buttonText, contrastTheme, 0x8000000F,
                  0x80000012},
        PaintCase{"FreshBoxInATheme", windowBackground, windowText, contrastTheme, 0x80000005,
                  0x80000008},
        // A background of the program's choosing becomes the highlight, with its text, even
        // where the text colour is a theme's.
        PaintCase{"EnteredBoxInATheme", red, yellow, contrastTheme, 0x8000000D, 0x8000000E},
        PaintCase{"OwnBackOnlyInATheme", white, windowText, contrastTheme, 0x8000000D, 0x8000000E},
        PaintCase{"EnteredBoxInADarkContrastTheme",
                  red,
                  yellow,
                  {true, 0x00000000},
                  0x8000000D,
                  0x8000000E},
        // A text colour of its own on a theme background: the theme's text for that background.
        PaintCase{"BlackLabelInATheme", buttonFace, black, contrastTheme, 0x8000000F, 0x80000012},
        PaintCase{"OwnTextOnAWindowBackgroundInATheme", windowBackground, red, contrastTheme,
                  0x80000005, 0x80000008},
        // On a dark face the program's black would vanish: the theme's text is drawn; its own
        // background, with its own text on it, stays.
        PaintCase{"BlackLabelOnADarkFace", buttonFace, black, dark, 0x8000000F, 0x80000012},
        PaintCase{"BlackOnAWindowBackgroundOnADarkFace", windowBackground, black, dark, 0x80000005,
                  0x80000008},
        PaintCase{"PlainBoxOnADarkFace", buttonFace, buttonText, dark, 0x8000000F, 0x80000012},
        PaintCase{"EnteredBoxOnADarkFace", red, yellow, dark, 0x000000FF, 0x0000FFFF},
        // Where black and white stand equally out: 0x767676 (lightness 0.181, black 4.62:1)
        // keeps black, 0x757575 (0.178, white 4.58:1 against black's 4.56:1) does not.
        PaintCase{"BlackLabelOnTheDarkestLightFace",
                  buttonFace,
                  black,
                  {false, 0x00767676},
                  0x8000000F,
                  0x00000000},
        PaintCase{"BlackLabelOnTheLightestDarkFace",
                  buttonFace,
                  black,
                  {false, 0x00757575},
                  0x8000000F,
                  0x80000012},
        // Blue weighs least in lightness, green most: a pure blue face is dark, a pure red one
        // (0.213) is not.
        PaintCase{"BlackLabelOnABlueFace",
                  buttonFace,
                  black,
                  {false, 0x00FF0000},
                  0x8000000F,
                  0x80000012},
        PaintCase{"BlackLabelOnARedFace",
                  buttonFace,
                  black,
                  {false, 0x000000FF},
                  0x8000000F,
                  0x00000000}),
    [](const auto& info) { return info.param.name; });

struct LineCase {
    const char* name;
    Colour colour;
    Theme theme;
    Colour drawn;
};

class EtchedLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(EtchedLine, KeepsItsColourOrTakesTheThemes3DColour) {
    EXPECT_EQ(lineColour(GetParam().colour, GetParam().theme), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Colours, EtchedLine,
                         ::testing::Values(LineCase{"GreyOnALightFace", grey, light, 0x00808080},
                                           LineCase{"WhiteOnALightFace", white, light, 0x00FFFFFF},
                                           LineCase{"WhiteInALightContrastTheme", white,
                                                    contrastTheme, 0x00FFFFFF},
                                           LineCase{"GreyOnADarkFace", grey, dark, 0x80000010},
                                           LineCase{"WhiteOnADarkFace", white, dark, 0x80000014},
                                           LineCase{"RedOnADarkFace", red, dark, 0x000000FF}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quantaro::testing
