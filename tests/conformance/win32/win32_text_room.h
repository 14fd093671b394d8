// How much room a Win32 control of the program gives its text, and how much its text takes in
// the control's font, as the control draws it; and the system's message font made larger for
// as long as one program runs, as the text-size setting makes it.
#pragma once

#include <windows.h>

#include "conformance/program_driver.h"

namespace quantaro::testing {

WindowDriver::TextRoom textRoomOf(HWND control);

class LargerMessageFont {
  public:
    explicit LargerMessageFont(double factor);
    LargerMessageFont(const LargerMessageFont&) = delete;
    LargerMessageFont& operator=(const LargerMessageFont&) = delete;
    ~LargerMessageFont();

  private:
    NONCLIENTMETRICSW system_{};
    double factor_;
};

}  // namespace quantaro::testing
