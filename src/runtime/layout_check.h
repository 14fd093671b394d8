// The rules every layout table keeps, checked at compile time beside each table
// (static_assert(checkLayout(controls, lines))) and again when a window is planned. A broken
// rule stops the compilation at the throw that names it.
#pragma once

#include <span>
#include <stdexcept>
#include <string_view>

#include "runtime/control_kind.h"
#include "runtime/layout.h"

namespace quantaro {

constexpr const ControlLayout* findControl(std::span<const ControlLayout> controls,
                                           std::string_view name) {
    for (const ControlLayout& row : controls) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

constexpr bool isDefaultButton(const ControlLayout& row) {
    return row.kind == ControlKind::Button &&
           (row.role == ButtonRole::Default || row.role == ButtonRole::DefaultAndCancel);
}

constexpr bool isCancelButton(const ControlLayout& row) {
    return row.kind == ControlKind::Button &&
           (row.role == ButtonRole::Cancel || row.role == ButtonRole::DefaultAndCancel);
}

// Each rule below throws, naming itself, for a table that breaks it.

constexpr void checkNamesAndTabIndexesUnique(std::span<const ControlLayout> controls) {
    for (auto row = controls.begin(); row != controls.end(); ++row) {
        for (auto other = controls.begin(); other != row; ++other) {
            if (other->name == row->name) {
                throw std::logic_error("two controls of a layout share a name");
            }
            if (other->tabIndex == row->tabIndex) {
                throw std::logic_error("two controls of a layout share a tab index");
            }
        }
    }
}

constexpr void checkContainersAreEarlierFrames(std::span<const ControlLayout> controls) {
    for (auto row = controls.begin(); row != controls.end(); ++row) {
        if (row->container.empty()) {
            continue;
        }
        const ControlLayout* container =
            findControl(std::span(controls.begin(), row), row->container);
        if (container == nullptr || container->kind != ControlKind::Frame) {
            throw std::logic_error("a control's container must be a frame earlier in its table");
        }
    }
}

constexpr void checkLabelsNameFocusableControlsOnce(std::span<const ControlLayout> controls) {
    for (auto row = controls.begin(); row != controls.end(); ++row) {
        if (row->labelFor.empty()) {
            continue;
        }
        const ControlLayout* named = findControl(controls, row->labelFor);
        if (row->kind != ControlKind::Label || named == nullptr ||
            !abilitiesOf(named->kind).takesFocus) {
            throw std::logic_error("only a label names a control, and one that takes the focus");
        }
        for (auto other = controls.begin(); other != row; ++other) {
            if (other->labelFor == row->labelFor) {
                throw std::logic_error("two labels name the same control");
            }
        }
    }
}

constexpr void checkOneDefaultAndOneCancelButton(std::span<const ControlLayout> controls) {
    int defaultButtons = 0;
    int cancelButtons = 0;
    for (const ControlLayout& row : controls) {
        defaultButtons += isDefaultButton(row) ? 1 : 0;
        cancelButtons += isCancelButton(row) ? 1 : 0;
    }
    if (defaultButtons > 1 || cancelButtons > 1) {
        throw std::logic_error("a layout has more than one default or more than one cancel button");
    }
}

constexpr void checkLinesStraight(std::span<const LineLayout> lines) {
    for (const LineLayout& line : lines) {
        if (line.x1 != line.x2 && line.y1 != line.y2) {
            throw std::logic_error("a layout's lines run across or down, never aslant");
        }
    }
}

constexpr bool checkLayout(std::span<const ControlLayout> controls,
                           std::span<const LineLayout> lines = {}) {
    checkNamesAndTabIndexesUnique(controls);
    checkContainersAreEarlierFrames(controls);
    checkLabelsNameFocusableControlsOnce(controls);
    checkOneDefaultAndOneCancelButton(controls);
    checkLinesStraight(lines);
    return true;
}

}  // namespace quantaro
