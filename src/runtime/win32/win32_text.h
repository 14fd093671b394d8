// Text at the Win32 boundary: the program keeps UTF-8 everywhere, the W functions take UTF-16,
// and the registry's A functions take the system's ANSI code page. Nothing else converts text.
#pragma once

#include <string>
#include <string_view>

namespace quantaro::win32 {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

std::string ansiFromUtf8(std::string_view text);
std::string utf8FromAnsi(std::string_view text);

}  // namespace quantaro::win32
