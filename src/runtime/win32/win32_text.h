// Text at the Win32 boundary: the program keeps UTF-8 everywhere, the W functions take UTF-16,
// and the registry's A functions take the system's ANSI code page. Nothing else converts text,
// and the window's words are measured here, in the font they are drawn with.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/layout_plan.h"

namespace quantaro::win32 {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

std::string ansiFromUtf8(std::string_view text);
std::string utf8FromAnsi(std::string_view text);

// The width in pixels of a text drawn on one line in a font, and the height of a line in it:
// how every plan measures a window's words.
PixelSize textSizeIn(HFONT font, std::string_view text);

}  // namespace quantaro::win32
