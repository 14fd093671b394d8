// The colours a control is drawn in, from the ones the program gave it and whether a contrast
// theme (Windows' High Contrast) is on. It resolves no colour and asks no system: a back end
// answers whether a theme is on and draws what this gives.
#pragma once

#include "runtime/colour.h"

namespace quantaro {

struct ControlPaint {
    Colour back;
    Colour fore;
    bool operator==(const ControlPaint&) const = default;
};

// In a contrast theme only the theme's colours are drawn: a background of the program's own
// choosing (the entered box's red) becomes the theme's highlight, with its highlight text, and
// a text colour of its own on a theme background becomes the theme's text colour.
constexpr ControlPaint controlPaint(Colour back, Colour fore, bool contrastTheme) {
    if (!contrastTheme || (isSystemColour(back) && isSystemColour(fore))) {
        return {back, fore};
    }
    if (!isSystemColour(back)) {
        return {colours::highlight, colours::highlightText};
    }
    return {back, back == colours::windowBackground ? colours::windowText : colours::buttonText};
}

}  // namespace quantaro
