// Asks a window's client whether its event loop still answers: sends it _NET_WM_PING, as a
// window manager does, and waits for the answer the client returns to the root window.
//   quantaro_ping WINDOW-ID [SECONDS]
// Exit status: 0 answered, 1 no answer in time (5 s unless given), 2 the window is gone or the
// display cannot be opened.
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID [SECONDS]\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[1], nullptr, 0));
    const double seconds = argc > 2 ? std::atof(argv[2]) : 5.0;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The answer goes to the root window, for its structure listeners (Qt) or substructure
    // ones (the usage elsewhere); the window manager holds the redirect, so this only listens.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(connection, "_NET_WM_PING");

    // A stamp of our own, so the window manager's pings are not taken for our answer.
    const std::uint32_t stamp = 0x51A70000u ^ static_cast<std::uint32_t>(getpid());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = ping;
    message.data.data32[1] = stamp;
    message.data.data32[2] = window;
    const auto sent = xcb_send_event_checked(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                             reinterpret_cast<const char*>(&message));
    if (xcb_generic_error_t* error = xcb_request_check(connection, sent)) {
        std::free(error);
        xcb_disconnect(connection);
        return 2;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool answer =
                (event->response_type & 0x7F) == XCB_CLIENT_MESSAGE &&
                reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == ping &&
                reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[1] == stamp;
            std::free(event);
            if (answer) {
                xcb_disconnect(connection);
                return 0;
            }
        }
        if (xcb_connection_has_error(connection)) {
            xcb_disconnect(connection);
            return 2;
        }
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, 50);
    }
    xcb_disconnect(connection);
    return 1;
}
