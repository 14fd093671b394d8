// The screen resolutions the program lays a window out for, one rule for every back end. It
// asks no system: a back end reads its screen's resolution and holds it to this.
#pragma once

namespace quantaro {

// The resolutions a system gives a screen: 100 % to 500 %. A resolution outside them is none a
// screen has (a message no system sent, or a platform that misreports its screen); the nearest
// of them is taken instead, so that no window is planned a thousand screens wide or of no size.
constexpr int lowestDpi = 96;
constexpr int highestDpi = 480;

// For a whole number of dots per inch (Windows') or a fraction (Qt's); not a number is none a
// screen has either, and is taken as the lowest.
template <typename Dpi>
constexpr Dpi acceptedDpi(Dpi dpi) {
    if (!(dpi >= lowestDpi)) {
        return lowestDpi;
    }
    return dpi > highestDpi ? highestDpi : dpi;
}

}  // namespace quantaro
