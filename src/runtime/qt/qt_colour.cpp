// System colour indexes resolved through the application palette, so the program's "button
// face" is whatever the user's theme draws buttons with.
#include "runtime/qt/qt_colour.h"

#include <QApplication>
#include <QPalette>
#include <array>

#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

// By system colour index; Qt has no title bars or desktop of its own, so those borrow the
// nearest palette role.
constexpr std::array<QPalette::ColorRole, 25> systemColourRoles = {
    QPalette::Button,           // 0 scroll bars
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active title bar
    QPalette::Dark,             // 3 inactive title bar
    QPalette::Window,           // 4 menu bar
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 active title bar text
    QPalette::Button,           // 10 active border
    QPalette::Button,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlight text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive title bar text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 button dark shadow
    QPalette::Midlight,         // 22 button light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
};

}  // namespace

QColor qtColour(Colour colour) {
    if (!isSystemColour(colour)) {
        return QColor(redOf(colour), greenOf(colour), blueOf(colour));
    }
    const auto index = static_cast<std::size_t>(systemColourIndex(colour));
    if (index >= systemColourRoles.size()) {
        throw RunTimeError::invalidArgument();
    }
    return QApplication::palette().color(QPalette::Active, systemColourRoles[index]);
}

Theme qtTheme() {
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return {.contrast = false,
            .face = static_cast<Colour>(face.red() | face.green() << 8 | face.blue() << 16)};
}

}  // namespace quantaro
