// The colours a control or a line is drawn in, from the ones the program gave it and the theme
// the platform draws in: whether a contrast theme (Windows' High Contrast) is on, and how light
// the theme's face is. It resolves no colour and asks no system: a back end tells what its
// theme is and draws what this gives.
#pragma once

#include "runtime/colour.h"

namespace quantaro {

struct Theme {
    bool contrast = false;
    Colour face = colours::white;  // the theme's button face, as 0x00BBGGRR
};

// Whether a colour is dark: nearer black than white in lightness, so white text stands out on
// it better than black. Black text on a face that is not dark keeps at least 4.5:1 contrast.
bool isDark(Colour rgb);

struct ControlPaint {
    Colour back;
    Colour fore;
    bool operator==(const ControlPaint&) const = default;
};

// In a contrast theme only the theme's colours are drawn: a background of the program's own
// choosing (the entered box's red) becomes the theme's highlight, with its highlight text, and
// a text colour of its own on a theme background becomes the theme's text colour. On a dark
// face only the last holds: the program's black text is drawn for a light face.
ControlPaint controlPaint(Colour back, Colour fore, const Theme& theme);

// An etched line is drawn in the classic 3-D shadow (grey) and highlight (white), made for a
// light face; on a dark face they become the theme's own, and other colours stay.
Colour lineColour(Colour colour, const Theme& theme);

}  // namespace quantaro
