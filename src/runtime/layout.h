// A window's layout as data: every control with its kind, container, caption, geometry in
// twips and tab index, plus the window's own frame. The runtime plans each window from its
// table (layout_plan.h) and every back end builds its widgets from that plan, so the two
// builds cannot drift apart. Rows name their fields; those a row may leave out have a default.
#pragma once

#include <span>
#include <string_view>

#include "runtime/colour.h"

namespace quantaro {

using Twips = int;  // 1/1440 inch; 15 twips are one pixel at 96 dots per inch

enum class ControlKind { Frame, Label, TextBox, ReadOnlyTextBox, DropDownList, Button, Picture };

enum class ButtonRole { Plain, Default, Cancel, DefaultAndCancel };

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    std::string_view container = {};  // empty: the window's client area
    std::string_view caption = {};    // "&" marks the access key
    Twips left, top, width, height;
    int tabIndex;
    ButtonRole role = ButtonRole::Plain;
    // For screen readers: the name of a control that takes the focus where neither its caption
    // nor a label names it.
    std::string_view accessibleName = {};
    std::string_view labelFor = {};          // labels only: the control this label names
    Colour foreColor = colours::buttonText;  // labels only
};

// A straight line drawn on the window's surface, beneath every control.
struct LineLayout {
    Twips x1, y1, x2, y2;
    Colour colour;
    int widthPixels;
};

// The window's frame, a fact of the window like its caption. Neither lets the user resize it;
// a dialog frame is drawn where the platform has one of its own (Win32). Under Qt the window
// manager draws one fixed frame for both.
enum class Border { FixedSingle, FixedDialog };

struct FormLayout {
    std::string_view name;
    std::string_view caption;
    Border border;
    bool showInTaskbar;
    Twips clientWidth, clientHeight;
    // In stacking order from the bottom up: a control later in the table lies above the
    // earlier ones it overlaps.
    std::span<const ControlLayout> controls;
    std::span<const LineLayout> lines = {};
};

}  // namespace quantaro
