// How a plan makes its window's texts fit: the rules a planned window keeps whatever the font,
// and what the plan changes while it breaks one. A window whose texts do not fit grows, keeping
// its proportions, while the screen has room; on a screen without room its texts get smaller.
#include <algorithm>

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

// The lines a label's caption takes, wrapped between words as the toolkits wrap it: a line is
// the caption from its first word up to the last that fits.
int LayoutPlan::linesOf(std::string_view caption, int width) const {
    int lines = 1;
    std::size_t lineStart = 0;
    for (std::size_t start = 0; start < caption.size();) {
        const std::size_t end = std::min(caption.find(' ', start), caption.size());
        if (start > lineStart &&
            measured(caption.substr(lineStart, end - lineStart)).width > width) {
            ++lines;
            lineStart = start;
        }
        start = end + 1;
    }
    return lines;
}

const char* LayoutPlan::misfit() const {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        if (const char* broken = misfitOf(index)) {
            return broken;
        }
    }
    return nullptr;
}

const char* LayoutPlan::misfitOf(std::size_t index) const {
    const ControlPlan& plan = controls_[index];
    const PixelRect container = plan.frame ? controls_[*plan.frame].inWindow
                                           : PixelRect{0, 0, clientSize_.width, clientSize_.height};
    if (!contains(container, plan.inWindow)) {
        return "no size of the font fits the window: a control runs out of its window or frame";
    }
    for (std::size_t other = 0; other < index; ++other) {
        if (overlap(plan.inWindow, controls_[other].inWindow) &&
            !overlap(tableRect(*plan.row), tableRect(*controls_[other].row))) {
            return "no size of the font fits the window: a control runs into one its table keeps "
                   "apart from it";
        }
    }
    const ControlKind kind = plan.row->kind;
    if ((kind != ControlKind::Label && kind != ControlKind::Button) || plan.row->caption.empty()) {
        return nullptr;
    }
    const bool oneLine = kind == ControlKind::Button || plan.textCentred;
    const PixelSize line = measured(plan.row->caption);
    if ((oneLine && kind == ControlKind::Label && line.width > plan.inWindow.width) ||
        (oneLine ? 1 : linesOf(plan.row->caption, plan.inWindow.width)) * line.height >
            plan.inWindow.height) {
        return "no size of the font fits the window: a text runs out of its control";
    }
    return nullptr;
}

}  // namespace quantaro
