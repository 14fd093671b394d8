// The EWMH skip-taskbar state, set on the unmapped window. Qt keeps states it finds there when
// it adds its own on showing the window. A mapped window's state is the window manager's to
// change, on a request sent to the root window.
#include "runtime/qt/qt_taskbar.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace quantaro {

#if QT_CONFIG(xcb)

namespace {

// Zero when the server cannot name the atom.
xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply == nullptr ? xcb_atom_t{XCB_ATOM_NONE} : reply->atom;
}

// What the skip-taskbar state is changed with: the connection and the two atoms; no connection
// where there is no X server or it cannot name them.
struct TaskbarState {
    xcb_connection_t* connection = nullptr;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
};

TaskbarState taskbarState() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Qt's offscreen platform answers for X11 too, but has no connection to a server.
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    if (connection == nullptr) {
        return {};
    }
    const TaskbarState named{connection, atomNamed(connection, "_NET_WM_STATE"),
                             atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR")};
    if (named.state == XCB_ATOM_NONE || named.skipTaskbar == XCB_ATOM_NONE) {
        // A taskbar entry too many is no reason to keep the About window from opening.
        qWarning("The X server could not name the skip-taskbar state; About stays on the taskbar");
        return {};
    }
    return named;
}

// The window's states as it holds them now, less skip-taskbar.
std::vector<xcb_atom_t> statesBut(const TaskbarState& x, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x.connection, 0, window, x.state, XCB_ATOM_ATOM, 0, 64);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x.connection, cookie, nullptr), &std::free);
    std::vector<xcb_atom_t> kept;
    if (reply != nullptr && reply->format == 32) {
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / 4;
        std::copy_if(held, held + count, std::back_inserter(kept),
                     [&](xcb_atom_t atom) { return atom != x.skipTaskbar; });
    }
    return kept;
}

}  // namespace

void keepOffTaskbar(QWidget& window) {
    const TaskbarState x = taskbarState();
    if (x.connection == nullptr) {
        return;
    }
    xcb_change_property(x.connection, XCB_PROP_MODE_APPEND,
                        static_cast<xcb_window_t>(window.winId()), x.state, XCB_ATOM_ATOM, 32, 1,
                        &x.skipTaskbar);
}

void putOnTaskbar(QWidget& window) {
    const TaskbarState x = taskbarState();
    if (x.connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    // Where no window manager runs, or the window is not mapped, the property is all there is.
    const std::vector<xcb_atom_t> kept = statesBut(x, id);
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, id, x.state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(kept.size()), kept.data());
    constexpr std::uint32_t removeState = 0;
    constexpr std::uint32_t fromAnApplication = 1;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = x.state;
    request.data.data32[0] = removeState;
    request.data.data32[1] = x.skipTaskbar;
    request.data.data32[3] = fromAnApplication;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x.connection)).data;
    xcb_send_event(x.connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(x.connection);
}

#else

void keepOffTaskbar(QWidget&) {}
void putOnTaskbar(QWidget&) {}

#endif

}  // namespace quantaro
