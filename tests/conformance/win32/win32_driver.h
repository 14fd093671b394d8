// The program on the Win32 back end, under Wine: key messages posted to the focused control
// and mouse messages to the clicked one, all handled by the back end's own message loop, so
// the system's dialog navigation does the work. Message boxes are recorded instead of shown.
#pragma once

#include <windows.h>

#include "conformance/program_driver.h"

namespace quantaro::testing {

// A loaded form's window, or one of its controls; nullptr for a form that is not loaded.
HWND handleOf(ProgramDriver& program, std::string_view form, std::string_view control = {});

// How many resolutions' fonts and icons the program holds now.
std::size_t resolutionsHeld(WindowDriver& program);

}  // namespace quantaro::testing
