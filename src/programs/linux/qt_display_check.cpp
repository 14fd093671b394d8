// The display check: which platforms Qt will try, and for X and Wayland a trial connection.
#include "programs/linux/qt_display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "runtime/shown_text.h"

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

// Why X cannot be drawn on, or nothing when it can.
std::optional<std::string> xProblem(int argc, const char* const argv[]) {
    const std::string display(option(argc, argv, "display").value_or(environment("DISPLAY")));
    if (display.empty()) {
        return "DISPLAY is not set";
    }
    xcb_connection_t* const connection = xcb_connect(display.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (opened) {
        return std::nullopt;
    }
    return "the X display '" + shownText(display) + "' cannot be opened";
}

bool acceptsConnections(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected =
        connection >= 0 &&
        connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (connection >= 0) {
        close(connection);
    }
    return connected;
}

// Why no Wayland compositor can be reached, or nothing when one can: its socket is named by
// WAYLAND_DISPLAY ("wayland-0" when unset), in XDG_RUNTIME_DIR unless the name is a path.
// A connection handed over in WAYLAND_SOCKET is taken as it is.
std::optional<std::string> waylandProblem() {
    if (!environment("WAYLAND_SOCKET").empty()) {
        return std::nullopt;
    }
    std::string path(environment("WAYLAND_DISPLAY"));
    if (path.empty()) {
        path = "wayland-0";
    }
    if (!path.starts_with('/')) {
        if (environment("XDG_RUNTIME_DIR").empty()) {
            return "XDG_RUNTIME_DIR, where a Wayland compositor is found, is not set";
        }
        path = std::string(environment("XDG_RUNTIME_DIR")) + '/' + path;
    }
    if (acceptsConnections(path)) {
        return std::nullopt;
    }
    return "no Wayland compositor answers at '" + shownText(path, 200) + "'";
}

// Qt's platforms that draw no window anywhere.
bool showsNothing(std::string_view platform) {
    return platform == "offscreen" || platform == "minimal" || platform == "minimalegl";
}

std::vector<std::string_view> platformNames(std::string_view list) {
    std::vector<std::string_view> names;
    while (!list.empty()) {
        const std::string_view entry = list.substr(0, list.find(';'));
        list.remove_prefix(std::min(list.size(), entry.size() + 1));
        if (const std::string_view name = entry.substr(0, entry.find(':')); !name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace

// Qt takes the platform from -platform, then QT_QPA_PLATFORM (a name with options after ':',
// or a list to try in turn), and otherwise tries Wayland first in a Wayland session or where
// WAYLAND_DISPLAY is set, then X.
std::string platformsToTry(int argc, const char* const argv[]) {
    std::string_view platforms =
        option(argc, argv, "platform").value_or(environment("QT_QPA_PLATFORM"));
    if (!platforms.empty()) {
        return std::string(platforms);
    }
    const bool wayland =
        environment("XDG_SESSION_TYPE") == "wayland" || !environment("WAYLAND_DISPLAY").empty();
    return wayland ? "wayland;xcb" : "xcb";
}

// The platforms are tried in Qt's order: the first that opens is the one Qt will draw on. One
// that shows nothing, reached only because the ones before it failed, would leave the user
// without a window: that is a missing display too.
std::optional<std::string> missingDisplayMessage(int argc, const char* const argv[]) {
    std::string problems;
    const std::string platforms = platformsToTry(argc, argv);  // the names below point into it
    for (const std::string_view platform : platformNames(platforms)) {
        std::optional<std::string> problem;
        if (platform == "xcb") {
            problem = xProblem(argc, argv);
        } else if (platform.starts_with("wayland")) {
            problem = waylandProblem();
        } else if (!showsNothing(platform) || problems.empty()) {
            return std::nullopt;
        } else {
            break;
        }
        if (!problem) {
            return std::nullopt;
        }
        problems += (problems.empty() ? "" : "; ") + *problem;
    }
    if (problems.empty()) {
        return std::nullopt;
    }
    return "quantaro: no display to show the window on: " + problems;
}

}  // namespace quantaro
