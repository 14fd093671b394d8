// Twips to pixels for one screen: 1440 twips to the inch at the screen's logical dots per inch,
// so a layout drawn for 96 dpi (15 twips a pixel) grows with the user's scaling. It knows
// nothing of widgets; the window and its controls take their rectangles from it.
#pragma once

#include <QRect>
#include <cmath>

#include "runtime/layout.h"

namespace quantaro {

class TwipScale {
  public:
    explicit TwipScale(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    int pixels(Twips twips) const {
        return static_cast<int>(std::lround(twips * dotsPerInch_ / twipsPerInch));
    }
    QRect rect(Twips left, Twips top, Twips width, Twips height) const {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }

  private:
    static constexpr double twipsPerInch = 1440.0;
    double dotsPerInch_;
};

}  // namespace quantaro
