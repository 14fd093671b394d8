// Twips to pixels, containers, the Tab chain and the window's place, for every back end.
#include "runtime/layout_plan.h"

#include <algorithm>
#include <cmath>

#include "runtime/layout_check.h"
#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

constexpr double twipsPerPixelAt96 = 15.0;
// The picture shows the 32 x 32 program icon in a sunken border two pixels wide.
constexpr int iconPixels = 32;
constexpr int pictureBorderPixels = 2;

// The table's label widths fit a small dialog font; the platform's default font may be wider.
// A word is never cut: a label widens, from its left edge, to its longest word.
template <typename Width>
int longestWord(std::string_view caption, const Width& widthOf) {
    int widest = 0;
    for (std::size_t start = 0; start < caption.size();) {
        const std::size_t end = std::min(caption.find(' ', start), caption.size());
        if (end > start) {
            widest = std::max(widest, widthOf(caption.substr(start, end - start)));
        }
        start = end + 1;
    }
    return widest;
}

// A caption as it is drawn: the access key's "&" underlines, it takes no room.
std::string shownCaption(std::string_view caption) {
    std::string shown(caption);
    std::erase(shown, '&');
    return shown;
}

// The largest scale at which the window's client area fits the room the screen has; never one
// below the tables' own size.
double largestScale(const FormLayout& layout, PixelSize room) {
    const double across = room.width * twipsPerPixelAt96 / layout.clientWidth;
    const double down = room.height * twipsPerPixelAt96 / layout.clientHeight;
    return std::max(1.0, std::min(across, down));
}

// The room a button's caption keeps from each of its sides, in pixels at 96 dots per inch and
// the tables' font, beyond the bevel the platform draws.
constexpr int buttonPaddingPixels = 6;

void moveBy(ControlPlan& plan, int left, int width) {
    plan.inWindow.left += left;
    plan.inContainer.left += left;
    plan.inWindow.width += width;
    plan.inContainer.width += width;
}

// A caption as it reads aloud: without the access key's "&", nor a label's closing colon.
std::string spokenCaption(std::string_view caption) {
    std::string spoken;
    for (const char c : caption) {
        if (c != '&') {
            spoken += c;
        }
    }
    if (!spoken.empty() && spoken.back() == ':') {
        spoken.pop_back();
    }
    return spoken;
}

}  // namespace

LayoutPlan::LayoutPlan(const FormLayout& layout, const ScreenFacts& screen)
    : layout_(&layout),
      screen_(screen),
      wantedScale_(screen.dotsPerInch / 96.0 * std::max(1.0, screen.fontPoints / tableFontPoints)) {
    checkLayout(layout.controls, layout.lines);
    const double largest = largestScale(layout, screen.room);
    scale_ = std::min(wantedScale_, largest);
    textScale_ = scale_ / wantedScale_;
    planAtScale();
    for (const char* broken = misfit(); broken != nullptr; broken = misfit()) {
        if (!growOrShrinkText(largest)) {
            throw std::logic_error(broken);
        }
        planAtScale();
    }
    nameControls();
    chainTabsAndButtons();
    for (const LineLayout& line : layout.lines) {
        lines_.push_back(planOf(line));
    }
}

void LayoutPlan::planAtScale() {
    clientSize_ = {pixels(layout_->clientWidth), pixels(layout_->clientHeight)};
    controls_.clear();
    for (const ControlLayout& row : layout_->controls) {
        controls_.push_back(placed(row));
    }
    levelLabelsWithTheirBoxes();
    widenButtonsToTheirCaptions();
}

// A control's rectangle in the window and in its container. The controls before it in the table
// are placed already, its frame among them.
ControlPlan LayoutPlan::placed(const ControlLayout& row) const {
    ControlPlan plan{.row = &row,
                     .abilities = abilitiesOf(row.kind),
                     .backColour = firstBackColour(row),
                     .foreColour = firstForeColour(row)};
    const PixelRect twips = tableRect(row);
    plan.inWindow = rectOf(row, twips.left, twips.top);
    plan.inContainer = plan.inWindow;
    if (!row.container.empty()) {
        plan.frame = indexOf(row.container);
        plan.inContainer.left -= controls_[*plan.frame].inWindow.left;
        plan.inContainer.top -= controls_[*plan.frame].inWindow.top;
    }
    return plan;
}

// The table's own accessible name comes first, then the label's caption, then the caption.
void LayoutPlan::nameControls() {
    for (ControlPlan& plan : controls_) {
        if (!plan.row->labelFor.empty()) {
            plan.labelFor = indexOf(plan.row->labelFor);
            controls_[*plan.labelFor].accessibleName = spokenCaption(plan.row->caption);
        }
    }
    for (ControlPlan& plan : controls_) {
        const ControlLayout& row = *plan.row;
        if (!row.accessibleName.empty()) {
            plan.accessibleName = std::string(row.accessibleName);
        } else if (plan.abilities.takesFocus && plan.accessibleName.empty()) {
            plan.accessibleName = spokenCaption(row.caption);
        }
    }
}

void LayoutPlan::chainTabsAndButtons() {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        if (controls_[index].abilities.takesFocus) {
            tabChain_.push_back(index);
        }
        if (isDefaultButton(*controls_[index].row)) {
            defaultButton_ = index;
        }
        if (isCancelButton(*controls_[index].row)) {
            cancelButton_ = index;
        }
    }
    std::stable_sort(tabChain_.begin(), tabChain_.end(), [this](std::size_t a, std::size_t b) {
        return controls_[a].row->tabIndex < controls_[b].row->tabIndex;
    });
}

LinePlan LayoutPlan::planOf(const LineLayout& line) const {
    const int width = scaled(line.widthPixels);
    const int x1 = pixels(std::min(line.x1, line.x2));
    const int y1 = pixels(std::min(line.y1, line.y2));
    const int x2 = pixels(std::max(line.x1, line.x2));
    const int y2 = pixels(std::max(line.y1, line.y2));
    // A line covers the pixels from its first point up to, not onto, its last.
    return {
        line.y1 == line.y2 ? PixelRect{x1, y1, x2 - x1, width} : PixelRect{x1, y1, width, y2 - y1},
        line.colour};
}

// The table gives a label beside its box the label's own, smaller height at the box's top, so
// its text stood above the box's, the more so the higher the resolution.
void LayoutPlan::levelLabelsWithTheirBoxes() {
    for (ControlPlan& label : controls_) {
        if (label.row->kind != ControlKind::Label || label.row->labelFor.empty()) {
            continue;
        }
        const PixelRect& box = controls_[indexOf(label.row->labelFor)].inWindow;
        const int top = label.inWindow.top;
        if (top < box.top || top >= box.top + box.height) {
            continue;  // a label above its box, not beside it
        }
        label.inContainer.top += box.top - top;
        label.inWindow.top = box.top;
        label.inWindow.height = label.inContainer.height = box.height;
        label.textCentred = true;
    }
}

// A button as narrow as its caption shows the caption touching its edges. It widens about its
// centre to the caption and its padding; the buttons that end where it ends, one above another,
// widen with it, so that they stay one column.
void LayoutPlan::widenButtonsToTheirCaptions() {
    std::vector<int> lacking(controls_.size(), 0);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const ControlPlan& button = controls_[index];
        if (button.row->kind == ControlKind::Button) {
            const int needed =
                measured(shownCaption(button.row->caption)).width + 2 * scaled(buttonPaddingPixels);
            lacking[index] = std::max(0, needed - button.inWindow.width);
        }
    }
    const auto right = [this](std::size_t index) {
        return controls_[index].inWindow.left + controls_[index].inWindow.width;
    };
    std::vector<int> widening(controls_.size(), 0);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        for (std::size_t other = 0; other < controls_.size(); ++other) {
            if (controls_[other].row->kind == ControlKind::Button &&
                controls_[index].row->kind == ControlKind::Button &&
                std::abs(right(index) - right(other)) <= 1) {
                widening[index] = std::max(widening[index], lacking[other]);
            }
        }
    }
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        moveBy(controls_[index], -widening[index] / 2, widening[index]);
    }
}

void LayoutPlan::replanFor(const ScreenFacts& screen) {
    LayoutPlan fresh(*layout_, screen);
    // The new control plans are copied into this plan's own array, which then moves along.
    std::copy(fresh.controls_.begin(), fresh.controls_.end(), controls_.begin());
    fresh.controls_ = std::move(controls_);
    *this = std::move(fresh);
}

int LayoutPlan::pixels(Twips twips) const {
    return static_cast<int>(std::lround(twips * scale_ / twipsPerPixelAt96));
}

int LayoutPlan::scaled(int pixelsAt96) const {
    return static_cast<int>(std::lround(pixelsAt96 * scale_));
}

PixelRect LayoutPlan::rectOf(const ControlLayout& row, Twips left, Twips top) const {
    PixelRect rect{pixels(left), pixels(top), pixels(left + row.width) - pixels(left),
                   pixels(top + row.height) - pixels(top)};
    if (row.kind == ControlKind::Picture) {
        // A picture takes the size of its icon inside its border, whatever the table says.
        rect.width = rect.height = scaled(iconPixels) + 2 * scaled(pictureBorderPixels);
    }
    if (row.kind == ControlKind::Label) {
        rect.width = std::max(rect.width, longestWord(row.caption, [this](std::string_view word) {
                                  return measured(word).width;
                              }));
    }
    return rect;
}

// A control's rectangle in twips from the window's corner, as its table gives it.
PixelRect LayoutPlan::tableRect(const ControlLayout& row) const {
    PixelRect rect{row.left, row.top, row.width, row.height};
    for (const ControlLayout* outer = findControl(layout_->controls, row.container);
         outer != nullptr; outer = findControl(layout_->controls, outer->container)) {
        rect.left += outer->left;
        rect.top += outer->top;
    }
    return rect;
}

PixelSize LayoutPlan::measured(std::string_view text) const {
    return screen_.textSize(text, textScale_);
}

std::size_t LayoutPlan::indexOf(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const ControlPlan& c) { return c.row->name == name; });
    if (found == controls_.end()) {
        throw RunTimeError::noSuchControl();
    }
    return static_cast<std::size_t>(found - controls_.begin());
}

std::optional<std::size_t> LayoutPlan::firstFocus() const {
    if (tabChain_.empty()) {
        return std::nullopt;
    }
    return tabChain_.front();
}

PixelRect centredIn(const PixelRect& workArea, PixelSize frame) {
    return {workArea.left + std::max(0, (workArea.width - frame.width) / 2),
            workArea.top + std::max(0, (workArea.height - frame.height) / 2), frame.width,
            frame.height};
}

}  // namespace quantaro
