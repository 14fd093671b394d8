// What screen readers learn of a control on Windows: the system's own accessible object for
// it, with the name the layout plan gives the control, the description the program sets, the
// picture's role of a graphic and a list's chosen entry as its value where the system's object
// has none (Wine's has no combo box of its own). The control answers WM_GETOBJECT with it. Nothing
// of it is loaded before a screen reader first asks, so oleacc.dll and COM stay out of the
// program's start. It does not decide any name: the layout plan does.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace quantaro::win32 {

struct AccessibleFacts {
    std::wstring name;         // empty: the system's own, the control's text
    std::wstring description;  // empty: none
    bool isGraphic = false;
    bool valueIsText = false;  // a list: its chosen entry, its window text, is its value
};

// Answers screen readers' questions about this control from facts, which the caller may change
// later, for as long as the control lives.
void answerScreenReaders(HWND control, std::shared_ptr<const AccessibleFacts> facts);

}  // namespace quantaro::win32
