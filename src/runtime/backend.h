// What a toolkit must provide to host the program: windows built from layout plans, modal
// message boxes and the end of the event loop. The Qt and Win32 back ends and the tests'
// headless double implement this; nothing above it knows which one runs.
//
// The exception rule, the same for every back end: nothing unwinds through a toolkit. Every
// event that reaches the program goes through Application::dispatch, which reports a run-time
// error in a message box and lets the program go on, and reports any other exception in a
// message box and ends the program with a failure status (quit(EXIT_FAILURE)). A back end
// calls WindowEvents only from its event handling, and lets nothing escape into the toolkit's
// own code: what its own code throws it carries out of the event loop to main.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/control.h"
#include "runtime/layout_plan.h"

namespace quantaro {

// What a window reports to the form that owns it.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void clicked(std::string_view control) = 0;
    // The title-bar close button, the system menu or Alt+F4; the window is still there.
    virtual void closeRequested() = 0;
    // The window now stands on a screen of another resolution: its plan is made again for that
    // screen, in place, and the window then moves its controls to their new places.
    virtual void screenChanged(const ScreenFacts& screen) = 0;
};

// A loaded window, built from its plan. Destroying it closes it and discards everything its
// controls held.
class Window {
  public:
    virtual ~Window() = default;
    // The widget of the plan's control at this index.
    virtual ControlWidget& widget(std::size_t index) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // What a screen reader says of the window beyond its caption when it opens; empty: nothing.
    // Screen readers are told of each one given; the runtime gives only a changed one.
    virtual std::string description() const = 0;
    virtual void setDescription(const std::string& description) = 0;
    // Shows the window, centred on the screen's work area the first time with the focus on the
    // plan's first control, brings it to the front and makes it the active window.
    virtual void show() = 0;
    // The index of the plan's control that has the keyboard focus, while the focus is in this
    // window; nothing otherwise.
    virtual std::optional<std::size_t> focusedControl() const = 0;
    // Brings the window to the front, makes it the active window and gives the focus to the
    // plan's control at this index.
    virtual void activate(std::size_t control) = 0;
    // Gives the window a taskbar entry of its own, where its table gave it none, for as long as
    // it stays loaded: the program's last window must be one the user can find and switch to.
    virtual void showInTaskbar() = 0;
};

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

class Backend {
  public:
    virtual ~Backend() = default;
    // The screen and font the next window will be planned for.
    virtual ScreenFacts screenFacts() = 0;
    // The plan outlives the window.
    virtual std::unique_ptr<Window> createWindow(const LayoutPlan& plan, WindowEvents& events) = 0;
    // Modal for the whole program: no window takes input until the box is dismissed. The box
    // belongs to owner, the window it speaks for, and stands over it; nullptr: to no window.
    // The box takes the focus; which window is active once it is gone is the toolkit's affair:
    // the runtime gives the focus back to where it was.
    virtual void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                            Window* owner) = 0;
    // Leaves the event loop with this exit status, once the event in hand is done; called once
    // no window remains, or by End.
    virtual void quit(int exitStatus) = 0;
};

}  // namespace quantaro
