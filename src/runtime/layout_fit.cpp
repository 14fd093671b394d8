// How a plan makes its window's texts fit: the rules a planned window keeps whatever the font,
// and what the plan changes while it breaks one. A window whose texts do not fit grows, keeping
// its proportions, while the screen has room; on a screen without room its texts get smaller.
#include <algorithm>
#include <string>

#include "runtime/layout_check.h"
#include "runtime/layout_plan.h"

namespace quantaro {

namespace {

// Each step grows the window by a twentieth, up to twice the size its font asks for, then draws
// its texts a twentieth smaller, down to half their size.
constexpr double growthStep = 1.05;
constexpr double largestGrowth = 2;
constexpr double shrinkStep = 0.95;
constexpr double smallestTextScale = 0.5;

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

}  // namespace

bool LayoutPlan::growOrShrinkText(double largest) {
    const double widest = std::min(largest, largestGrowth * wantedScale_);
    if (scale_ < widest) {
        scale_ = std::min(widest, scale_ * growthStep);
        return true;
    }
    if (textScale_ * shrinkStep >= smallestTextScale) {
        textScale_ *= shrinkStep;
        return true;
    }
    return false;
}

// The lines a label's caption takes, wrapped between words as the toolkits wrap it.
int LayoutPlan::linesOf(std::string_view caption, int width) const {
    int lines = 0;
    std::string line;
    for (std::size_t start = 0; start < caption.size();) {
        const std::size_t end = std::min(caption.find(' ', start), caption.size());
        const std::string_view word = caption.substr(start, end - start);
        std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (!line.empty() && measured(longer).width > width) {
            ++lines;
            longer = word;
        }
        line = std::move(longer);
        start = end + 1;
    }
    return lines + (line.empty() ? 0 : 1);
}

std::optional<std::string_view> LayoutPlan::misfit() const {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        if (const auto broken = misfitOf(index)) {
            return broken;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> LayoutPlan::misfitOf(std::size_t index) const {
    const ControlPlan& plan = controls_[index];
    const PixelRect container = plan.frame ? controls_[*plan.frame].inWindow
                                           : PixelRect{0, 0, clientSize_.width, clientSize_.height};
    if (!contains(container, plan.inWindow)) {
        return "a control runs out of its window or frame";
    }
    for (std::size_t other = 0; other < index; ++other) {
        if (overlap(plan.inWindow, controls_[other].inWindow) &&
            !overlap(tableRect(*plan.row), tableRect(*controls_[other].row))) {
            return "a control runs into one its table keeps apart from it";
        }
    }
    const ControlKind kind = plan.row->kind;
    if ((kind != ControlKind::Label && kind != ControlKind::Button) || plan.row->caption.empty()) {
        return std::nullopt;
    }
    const bool oneLine = kind == ControlKind::Button || plan.textCentred;
    const PixelSize line = measured(plan.row->caption);
    if ((oneLine && kind == ControlKind::Label && line.width > plan.inWindow.width) ||
        (oneLine ? 1 : linesOf(plan.row->caption, plan.inWindow.width)) * line.height >
            plan.inWindow.height) {
        return "a text runs out of its control";
    }
    return std::nullopt;
}

}  // namespace quantaro
