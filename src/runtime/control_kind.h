// What each kind of control can do, once for every back end: which properties it has, whether
// it takes the focus, and the colours it starts with. A back end that is asked for more than
// its kind can do never sees the request; the runtime refuses it first.
#pragma once

#include "runtime/colour.h"
#include "runtime/layout.h"

namespace quantaro {

struct ControlAbilities {
    bool holdsText;   // Text
    bool hasCaption;  // Caption
    bool holdsItems;  // AddItem; its text is then always one of its entries, or nothing
    bool takesFocus;  // SetFocus, and a stop of the Tab chain
};

constexpr ControlAbilities abilitiesOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
        case ControlKind::Label:
            return {
                .holdsText = false, .hasCaption = true, .holdsItems = false, .takesFocus = false};
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox:
            return {
                .holdsText = true, .hasCaption = false, .holdsItems = false, .takesFocus = true};
        case ControlKind::DropDownList:
            return {.holdsText = true, .hasCaption = false, .holdsItems = true, .takesFocus = true};
        case ControlKind::Button:
            return {
                .holdsText = false, .hasCaption = true, .holdsItems = false, .takesFocus = true};
        case ControlKind::Picture:
            // A picture takes the focus in its turn, though it does nothing with keys.
            return {
                .holdsText = false, .hasCaption = false, .holdsItems = false, .takesFocus = true};
    }
    return {};
}

// Boxes and lists start in the window colours, everything else in the button colours; a label
// may name its own text colour in the table.
constexpr Colour firstBackColour(const ControlLayout& row) {
    return abilitiesOf(row.kind).holdsText ? colours::windowBackground : colours::buttonFace;
}
constexpr Colour firstForeColour(const ControlLayout& row) {
    return abilitiesOf(row.kind).holdsText ? colours::windowText : row.foreColor;
}

}  // namespace quantaro
