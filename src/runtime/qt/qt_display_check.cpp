// The display check: which platform Qt will pick, and for X a trial connection to the display.
#include "runtime/qt/qt_display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace quantaro {

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The value of Qt's own option "-name value" (or "--name value"), when given.
std::optional<std::string_view> option(int argc, const char* const argv[], std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument.starts_with('-') && argument.substr(1) == name) {
            return argv[i + 1];
        }
    }
    return std::nullopt;
}

// Qt takes the platform from -platform, then QT_QPA_PLATFORM ("xcb", "xcb:options", or a
// list to try in turn), and otherwise chooses X unless it runs in a Wayland session.
bool drawsOnX(int argc, const char* const argv[]) {
    std::string_view platform =
        option(argc, argv, "platform").value_or(environment("QT_QPA_PLATFORM"));
    if (platform.empty()) {
        return environment("XDG_SESSION_TYPE") != "wayland" ||
               environment("WAYLAND_DISPLAY").empty();
    }
    return platform.substr(0, platform.find_first_of(":;")) == "xcb" &&
           platform.find(';') == std::string_view::npos;
}

}  // namespace

std::optional<std::string> missingDisplayMessage(int argc, const char* const argv[]) {
    if (!drawsOnX(argc, argv)) {
        return std::nullopt;
    }
    const std::string display(option(argc, argv, "display").value_or(environment("DISPLAY")));
    if (display.empty()) {
        return "quantaro: cannot open a display: DISPLAY is not set";
    }
    xcb_connection_t* const connection = xcb_connect(display.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (opened) {
        return std::nullopt;
    }
    return "quantaro: cannot open display '" + display + "'";
}

}  // namespace quantaro
