// UTF-8, UTF-16 and ANSI conversions over MultiByteToWideChar and WideCharToMultiByte.
#include "runtime/win32/win32_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

#include "runtime/win32/win32_handles.h"

namespace quantaro::win32 {

namespace {

// A text too long for an int is not one the program ever shows or looks up.
int lengthOf(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long for the Windows text conversions");
    }
    return static_cast<int>(size);
}

std::wstring wideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = lengthOf(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed == 0) {
        throwLastError("MultiByteToWideChar");
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string narrowFrom(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = lengthOf(text.size());
    const int needed =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed == 0) {
        throwLastError("WideCharToMultiByte");
    }
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

}  // namespace

// The program's own texts are valid UTF-8; a system message that is not shows a replacement
// character where it is broken rather than nothing at all.
std::wstring wideFromUtf8(std::string_view text) {
    return wideFrom(CP_UTF8, text);
}

std::string utf8FromWide(std::wstring_view text) {
    return narrowFrom(CP_UTF8, text);
}

// Characters the code page lacks become its default character, as the A functions do too.
std::string ansiFromUtf8(std::string_view text) {
    return narrowFrom(CP_ACP, wideFromUtf8(text));
}

std::string utf8FromAnsi(std::string_view text) {
    return utf8FromWide(wideFrom(CP_ACP, text));
}

PixelSize textSizeIn(HFONT font, std::string_view text) {
    const std::wstring wide = wideFromUtf8(text);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.data(), lengthOf(wide.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return {static_cast<int>(extent.cx),
            static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading)};
}

}  // namespace quantaro::win32
