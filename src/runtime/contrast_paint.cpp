// The colour rule of contrast_paint.h.
#include "runtime/contrast_paint.h"

#include <cmath>

namespace quantaro {

namespace {

// An sRGB channel in linear light (the WCAG relative luminance's step).
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

// Black and white stand equally out from a lightness of 0.179: (L + 0.05) / 0.05 = 1.05 / (L +
// 0.05). Above it black keeps at least 4.58:1.
bool isDark(Colour rgb) {
    const double lightness =
        0.2126 * linear(redOf(rgb)) + 0.7152 * linear(greenOf(rgb)) + 0.0722 * linear(blueOf(rgb));
    return lightness < 0.179;
}

ControlPaint controlPaint(Colour back, Colour fore, const Theme& theme) {
    const bool darkFace = isDark(theme.face);
    if ((!theme.contrast && !darkFace) || (isSystemColour(back) && isSystemColour(fore))) {
        return {back, fore};
    }
    if (!isSystemColour(back)) {
        return theme.contrast ? ControlPaint{colours::highlight, colours::highlightText}
                              : ControlPaint{back, fore};
    }
    return {back, back == colours::windowBackground ? colours::windowText : colours::buttonText};
}

Colour lineColour(Colour colour, const Theme& theme) {
    if (!isDark(theme.face)) {
        return colour;
    }
    if (colour == colours::grey) {
        return colours::buttonShadow;
    }
    return colour == colours::white ? colours::buttonHighlight : colour;
}

}  // namespace quantaro
