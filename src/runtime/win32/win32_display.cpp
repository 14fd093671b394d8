// The screen's resolution, the message font and the program icons, asked of the system once.
#include "runtime/win32/win32_display.h"

namespace quantaro::win32 {

namespace {

// The program declares itself aware of the system's resolution, so this is the resolution its
// windows are drawn at, and the system metrics below are already given for it.
int screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Native dialogs write every control in the message font; so does the program.
FontHandle messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        throwLastError("SystemParametersInfoW");
    }
    FontHandle font(CreateFontIndirectW(&metrics.lfMessageFont));
    if (!font) {
        throwLastError("CreateFontIndirectW");
    }
    return font;
}

// The icon resource holds several sizes; the system picks the one the metric asks for, or scales
// the nearest where the screen's resolution asks for one between.
IconHandle programIcon(int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
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

constexpr Colour highlight = 0x8000000D;
constexpr Colour highlightText = 0x8000000E;

}  // namespace

Win32Display::Win32Display()
    : highContrast(systemHighContrast),
      dpi_(screenDpi()),
      font_(messageFont()),
      icon_(programIcon(SM_CXICON)),
      smallIcon_(programIcon(SM_CXSMICON)) {}

COLORREF Win32Display::colourRef(Colour colour) {
    if (isSystemColour(colour)) {
        return GetSysColor(systemColourIndex(colour));
    }
    return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

Win32Display::ControlPaint Win32Display::controlPaint(Colour back, Colour fore) const {
    if (!highContrast()) {
        return {back, fore};
    }
    if (!isSystemColour(back)) {
        return {highlight, highlightText};
    }
    if (!isSystemColour(fore)) {
        return {back,
                back == colours::windowBackground ? colours::windowText : colours::buttonText};
    }
    return {back, fore};
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
