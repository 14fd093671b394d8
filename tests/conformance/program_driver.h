// The whole program started on one back end, as the conformance suite drives and reads it: what
// a user does and sees, in the back end's own terms underneath. The suite is written once
// against these two classes; each back end has a driver. A driver acts and reports, and checks
// nothing itself. The suite's two halves: what every back end must do, the headless double
// included, and what only a real window system shows (keys, pixels, geometry, stacking).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "runtime/absolute_path.h"
#include "support/memory_registry.h"

namespace quantaro::testing {

// A message box the program showed; blocking: no window of the program took input under it.
// Its owner is the form whose window it belongs to; empty: none.
struct ShownBox {
    std::string title, text;
    MessageIcon icon;
    bool okOnly, blocking;
    std::string owner;
};

// What every back end has, the headless double included.
class ProgramDriver {
  public:
    virtual ~ProgramDriver() = default;
    virtual Application& application() = 0;
    Form& form(std::string_view name) {
        if (name != frmMain::layout.name && name != frmAbout::layout.name) {
            throw std::logic_error("the program has no form " + std::string(name));
        }
        return name == frmAbout::layout.name ? static_cast<Form&>(application().form<frmAbout>())
                                             : application().form<frmMain>();
    }

    // A click on a control, or on the close button of a window's title bar.
    virtual void click(std::string_view form, std::string_view control) = 0;
    virtual void closeFromTitleBar(std::string_view form) = 0;
    // A converter window box holding what the user typed, or the list the entry picked.
    void fill(std::string_view control, const std::string& text) {
        form("frmMain").control(control).setText(text);
    }
    std::string text(std::string_view control) { return form("frmMain").control(control).text(); }
    // As the window holds it, "&" marking the access key; no control: the window's own.
    virtual std::string caption(std::string_view form, std::string_view control = {}) = 0;
    virtual std::vector<std::string> items(std::string_view control) = 0;
    virtual std::string focused() = 0;  // "" when no control has the focus
    // The forms that have a window, hidden ones and those waiting to be destroyed included.
    virtual std::vector<std::string> windows() = 0;
    virtual bool isVisible(std::string_view form) = 0;
    // Whether a shown window has an entry of its own on the taskbar (and in the window switcher).
    virtual bool isOnTaskbar(std::string_view form) = 0;
    virtual int endRequests() = 0;  // how often the program asked to leave its event loop
    virtual int exitStatus() = 0;   // the status it asked to end with

    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::vector<std::string> started;  // programs the program asked to start
    // Makes starting a program fail as no run-time error does, the way a fault would.
    bool startingBreaks = false;
    std::vector<ShownBox> boxes;

  protected:
    SystemServices services() {
        return {.registry = registry,
                .isAbsolutePath = isAbsoluteWindowsPath,
                .isFile = [](const std::string&) { return true; },
                .startProgram =
                    [this](const std::string& path) {
                        if (startingBreaks) {
                            throw std::runtime_error("the program starter broke");
                        }
                        started.push_back(path);
                    }};
    }
};

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
    int right() const { return left + width; }
    bool contains(const Rect& o) const {
        return o.left >= left && o.top >= top && o.right() <= right() &&
               o.top + o.height <= top + height;
    }
    bool overlaps(const Rect& o) const {
        return left < o.right() && o.left < right() && top < o.top + o.height &&
               o.top < top + height;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.left << ',' << r.top << ") " << r.width << 'x' << r.height;
}

using Rgb = unsigned;  // 0xRRGGBB, as it reaches the screen

using Paint = std::pair<Rgb, Rgb>;  // what a box writes its text in, and fills its back with

enum class Key { Enter, Escape, Tab, Backspace, Delete, Home, Down, SelectAll, Copy, Cut, Paste };

// A real window system underneath: keys, pixels, geometry and stacking.
class WindowDriver : public ProgramDriver {
  public:
    // Keys go to the control with the focus, as the keyboard sends them.
    virtual void press(Key key) = 0;
    virtual void type(std::string_view characters) = 0;
    virtual void pressAlt(char letter) = 0;
    // The user puts the focus on a control, or brings a window to the front, or drags it.
    virtual void focus(std::string_view form, std::string_view control) = 0;
    virtual void activate(std::string_view form) = 0;
    virtual void moveTo(std::string_view form, int left, int top) = 0;

    virtual int dotsPerInch() = 0;
    // In the window's client pixels; no control: the client area itself.
    virtual Rect bounds(std::string_view form, std::string_view control) = 0;
    // On the screen: the window with its frame, and the screen less its taskbars.
    virtual Rect frame(std::string_view form) = 0;
    virtual Rect workArea() = 0;
    // The widest word of a caption, in pixels of the control's own font.
    virtual int widestWord(std::string_view form, std::string_view control) = 0;
    // The size a control's text takes in the control's own font, and the room the control gives
    // it inside its border and the margins its kind keeps: a label's caption wrapped at the
    // label's width as the label wraps it, a button's caption, the text a box or the list shows.
    struct TextRoom {
        int textWidth, textHeight, roomWidth, roomHeight;
    };
    virtual TextRoom textRoom(std::string_view form, std::string_view control) = 0;
    // Whether upper is drawn over lower where the two overlap.
    virtual bool liesAbove(std::string_view form, std::string_view upper,
                           std::string_view lower) = 0;
    virtual std::string activeWindow() = 0;
    // A window manager gives the activation to the window it raised; drivers that can read the
    // stacking of the windows report it instead.
    virtual std::string frontWindow() { return activeWindow(); }

    virtual Rgb pixel(std::string_view form, int x, int y) = 0;  // client pixels
    virtual Paint paint(std::string_view form, std::string_view control) = 0;
    virtual Rgb rgb(Colour colour) = 0;  // as this back end draws the program's colour
    // The program draws as in a contrast theme from now on, or as without one; false: this back
    // end cannot tell whether a theme is on, and draws as without one.
    virtual bool assumeContrastTheme(bool on) = 0;
    // The platform's colours turn to a dark scheme, as a user sets one (a face of 0x323232,
    // white text, darker shadows), until the driver ends.
    virtual void assumeDarkScheme() = 0;

    // What a screen reader learns through the platform's accessibility interfaces: a control's
    // name, value and description (no control: the window's), the control a label names (""
    // for none), and how often screen readers were told that a control's description changed
    // (none: the platform under test cannot tell).
    struct Accessible {
        std::string name, value, description;
    };
    virtual Accessible accessible(std::string_view form, std::string_view control) = 0;
    // Whether the platform's screen readers speak a list's new value by themselves (Windows'
    // do, Orca does not).
    virtual bool screenReadersSpeakListValues() = 0;
    virtual std::string namedByLabel(std::string_view form, std::string_view label) = 0;
    virtual std::optional<int> descriptionNotices(std::string_view control) = 0;
};

// The drivers of this build, named for the test names; each start is a fresh program. The
// headless double has no keyboard, pixels or window manager: it runs the first half only.
// A window system's driver can also start the program with the platform's interface font made
// larger, by the factor given, as a user sets it on that platform; the driver sets it back.
template <class Driver>
struct DriverMaker {
    std::string name;
    std::function<std::unique_ptr<Driver>()> start;
    std::function<std::unique_ptr<Driver>(double fontFactor)> startWithLargerFont;
};
extern const char* const windowSystem;  // this build's real back end
std::unique_ptr<WindowDriver> startOnWindowSystem();
std::unique_ptr<WindowDriver> startOnWindowSystemWithLargerFont(double fontFactor);
std::unique_ptr<ProgramDriver> startOnHeadless();
inline std::vector<DriverMaker<WindowDriver>> windowDrivers() {
    return {{windowSystem, startOnWindowSystem, startOnWindowSystemWithLargerFont}};
}
inline std::vector<DriverMaker<ProgramDriver>> programDrivers() {
    return {{windowSystem, startOnWindowSystem, {}}, {"Headless", startOnHeadless, {}}};
}

// Each test starts the program afresh; a table row that needs a fresh program restarts it.
template <class Driver>
class OnEachBackEnd : public ::testing::TestWithParam<DriverMaker<Driver>> {
  protected:
    void SetUp() override { restart(); }
    void restart() {
        program.reset();
        program = this->GetParam().start();
    }
    long windowCount(std::string_view form) {
        const auto open = program->windows();
        return std::count(open.begin(), open.end(), form);
    }
    bool isOpen(std::string_view form) { return windowCount(form) > 0; }

    std::unique_ptr<Driver> program;
};

inline const std::vector<std::string> unitEntries = {
    "Bits", "Bytes", "Killobytes (KB)", "Megabytes (MB)", "Gigabytes (GB)", "Terrabytes (TB)"};
inline const std::vector<std::string> readOutBoxes = {
    "txtBits", "txtBytes", "txtKillobytes", "txtMegabytes", "txtGigabytes", "txtTerrabytes"};

template <class Driver>
std::string driverName(const ::testing::TestParamInfo<DriverMaker<Driver>>& info) {
    return info.param.name;
}

}  // namespace quantaro::testing
