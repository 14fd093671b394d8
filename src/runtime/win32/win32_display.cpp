// The screen's resolutions, the message font and the program icons at each, asked of the system.
#include "runtime/win32/win32_display.h"

#include <cmath>

#include "runtime/accepted_dpi.h"

namespace quantaro::win32 {

namespace {

// Windows 10 (from 1607) answers for any resolution. An earlier system answers for its own
// resolution only, and that answer is scaled; these are looked up, not imported, so that the
// program still starts there.
template <typename Function>
Function* perResolution(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(found));
}

// The resolution a window opens at before the system tells it of another.
int screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return acceptedDpi(dpi);
}

int metricAt(int index, int dpi, int systemDpi) {
    static const auto forDpi =
        perResolution<decltype(GetSystemMetricsForDpi)>("GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(index, static_cast<UINT>(dpi))
                             : MulDiv(GetSystemMetrics(index), dpi, systemDpi);
}

// Native dialogs write every control in the message font; so does the program.
FontHandle messageFont(int dpi, int systemDpi, double textScale) {
    static const auto forDpi =
        perResolution<decltype(SystemParametersInfoForDpi)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const BOOL read =
        forDpi != nullptr
            ? forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))
            : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (!read) {
        throwLastError("SystemParametersInfoW");
    }
    LONG& height = metrics.lfMessageFont.lfHeight;
    if (forDpi == nullptr) {
        height = MulDiv(height, dpi, systemDpi);
    }
    height = static_cast<LONG>(std::lround(height * textScale));
    FontHandle font(CreateFontIndirectW(&metrics.lfMessageFont));
    if (!font) {
        throwLastError("CreateFontIndirectW");
    }
    return font;
}

// A font's size in points: its characters' height without the leading above them.
double pointsOf(HFONT font, int dpi) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    const BOOL measured = GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    if (!measured) {
        throwLastError("GetTextMetricsW");
    }
    return (metrics.tmHeight - metrics.tmInternalLeading) * 72.0 / dpi;
}

// The icon resource holds several sizes; the system picks the one asked for, or scales the
// nearest where the resolution asks for one between.
IconHandle programIcon(int size) {
    const HANDLE icon =
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUANTARO_PROGRAM_ICON), IMAGE_ICON,
                   size, size, LR_DEFAULTCOLOR);
    if (icon == nullptr) {
        throwLastError("LoadImageW of the program icon");
    }
    return IconHandle(static_cast<HICON>(icon));
}

bool systemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

Win32Display::Win32Display() : highContrast_(systemHighContrast()), systemDpi_(screenDpi()) {}

void Win32Display::settingsChanged() {
    highContrast_ = systemHighContrast();
}

std::shared_ptr<const Win32Display::Tools> Win32Display::at(int dpi, double textScale) {
    forgetReleased();
    std::weak_ptr<const Tools>& entry = tools_[{dpi, textScale}];
    if (auto held = entry.lock()) {
        return held;
    }
    FontHandle font = messageFont(dpi, systemDpi_, textScale);
    const double points = pointsOf(font.get(), dpi);
    auto tools = std::make_shared<const Tools>(
        Tools{std::move(font), points, textScale, programIcon(metricAt(SM_CXICON, dpi, systemDpi_)),
              programIcon(metricAt(SM_CXSMICON, dpi, systemDpi_))});
    entry = tools;
    return tools;
}

std::size_t Win32Display::resolutionsHeld() {
    forgetReleased();
    return tools_.size();
}

void Win32Display::forgetReleased() {
    std::erase_if(tools_, [](const auto& entry) { return entry.second.expired(); });
}

int Win32Display::dpiOf(HWND window) {
    static const auto forWindow = perResolution<decltype(GetDpiForWindow)>("GetDpiForWindow");
    return forWindow != nullptr ? acceptedDpi(static_cast<int>(forWindow(window))) : screenDpi();
}

PixelSize Win32Display::frameAround(PixelSize client, DWORD style, DWORD extendedStyle, int dpi) {
    static const auto forDpi =
        perResolution<decltype(AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.width, client.height};
    if (forDpi != nullptr) {
        forDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

COLORREF Win32Display::colourRef(Colour colour) {
    if (isSystemColour(colour)) {
        return GetSysColor(systemColourIndex(colour));
    }
    return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

HBRUSH Win32Display::brush(Colour colour) {
    if (isSystemColour(colour)) {
        return GetSysColorBrush(systemColourIndex(colour));
    }
    const auto known = solidBrushes_.find(colour);
    if (known != solidBrushes_.end()) {
        return known->second.get();
    }
    BrushHandle brush(CreateSolidBrush(colourRef(colour)));
    if (!brush) {
        throwLastError("CreateSolidBrush");
    }
    return solidBrushes_.emplace(colour, std::move(brush)).first->second.get();
}

}  // namespace quantaro::win32
