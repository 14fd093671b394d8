// The About window's picture: the program icon in a sunken border. Unlike a static control it
// takes the focus, as every control in the window's tab order must, and shows it with a focus
// rectangle. It does not load the icon; its creator passes it in.
#pragma once

#include <windows.h>

namespace quantaro::win32 {

inline constexpr const wchar_t* pictureClassName = L"QuantaroPicture";

// Registers the picture's window class, once per process; the icon to show is the creation
// parameter of CreateWindowExW.
void registerPictureClass();
// Shows another icon: the one drawn for the resolution the window moved to.
void setPictureIcon(HWND picture, HICON icon);

}  // namespace quantaro::win32
