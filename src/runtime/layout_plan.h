// A window's layout table turned into what a back end builds: every control's rectangle in
// pixels at the screen's resolution (frames within frames resolved), its abilities and first
// colours, the Tab chain, the first control to take the focus, the default and cancel buttons,
// the lines as filled rectangles, and where the window goes on the screen. Computed once, here,
// for every back end; it creates nothing itself.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colour.h"
#include "runtime/control_kind.h"
#include "runtime/layout.h"

namespace quantaro {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The layout tables are drawn for a 9 point interface font: Windows' own, and Qt's default.
constexpr double tableFontPoints = 9;

// What the plan needs to know of the screen and the font a back end draws with.
struct ScreenFacts {
    double dotsPerInch = 96;
    // A text on one line in the font the window's labels are drawn with, at this fraction of
    // that font's size: the text's width in pixels, and the height of a line in that font.
    std::function<PixelSize(std::string_view text, double textScale)> textSize;
    // The size of that font: the platform's interface font, which the user may have made larger.
    double fontPoints = tableFontPoints;
    // The largest client area a window may have: the screen's work area less the window's frame.
    PixelSize room = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
};

struct ControlPlan {
    const ControlLayout* row;
    ControlAbilities abilities;
    Colour backColour;  // the colours it starts with
    Colour foreColour;
    PixelRect inWindow = {};                // in the window's client area
    PixelRect inContainer = {};             // from the top-left corner of its container
    std::optional<std::size_t> frame = {};  // the frame that holds it; none: the window itself
    // What a screen reader calls a control that takes the focus: its own caption, the caption of
    // the label that names it, or the accessible name of its table row; empty for the others.
    std::string accessibleName = {};
    std::optional<std::size_t> labelFor = {};  // a label: the control it names
    // A label beside the box it names spans the box's height and centres its one line in it,
    // so that its text stands level with the box's; other labels write from their top down.
    bool textCentred = false;
};

// A line of the table as the pixels it covers: its width grows below a line that runs across
// and right of one that runs down, so two lines a pixel apart show both their colours.
struct LinePlan {
    PixelRect area;
    Colour colour;
};

class LayoutPlan {
  public:
    // Throws std::logic_error for a table that breaks a rule of layout_check.h, and for a window
    // whose texts no size of its font lets fit (layout_fit.cpp).
    LayoutPlan(const FormLayout& layout, const ScreenFacts& screen);
    // Plans the same table again for a screen of another resolution. Every ControlPlan keeps
    // its address, so the controls built from them stay bound to theirs.
    void replanFor(const ScreenFacts& screen);

    double dotsPerInch() const { return screen_.dotsPerInch; }
    // The fraction of the interface font's size the window's texts are drawn at: 1, unless the
    // screen has no room for the window as large as the font would make it.
    double textScale() const { return textScale_; }

    const FormLayout& layout() const { return *layout_; }
    PixelSize clientSize() const { return clientSize_; }
    // In table order, which is stacking order from the bottom up.
    const std::vector<ControlPlan>& controls() const { return controls_; }
    const ControlPlan& control(std::size_t index) const { return controls_.at(index); }
    // Raises the runtime's "no such control" error for a name not in the table.
    std::size_t indexOf(std::string_view name) const;
    // The controls that take the focus, in the order Tab visits them.
    const std::vector<std::size_t>& tabChain() const { return tabChain_; }
    std::optional<std::size_t> firstFocus() const;
    std::optional<std::size_t> defaultButton() const { return defaultButton_; }
    std::optional<std::size_t> cancelButton() const { return cancelButton_; }
    const std::vector<LinePlan>& lines() const { return lines_; }
    // A length given in pixels at 96 dots per inch and the tables' font, on this screen in its
    // font.
    int scaled(int pixelsAt96) const;

  private:
    void planAtScale();
    bool growOrShrinkText(double largest);
    ControlPlan placed(const ControlLayout& row) const;
    PixelRect tableRect(const ControlLayout& row) const;
    PixelSize measured(std::string_view text) const;
    int linesOf(std::string_view caption, int width) const;
    // What the window breaks as planned, said as the plan's refusal; nullptr: nothing.
    const char* misfit() const;
    const char* misfitOf(std::size_t index) const;
    void levelLabelsWithTheirBoxes();
    void widenButtonsToTheirCaptions();
    void nameControls();
    void chainTabsAndButtons();
    LinePlan planOf(const LineLayout& line) const;
    int pixels(Twips twips) const;
    PixelRect rectOf(const ControlLayout& row, Twips left, Twips top) const;

    const FormLayout* layout_;
    ScreenFacts screen_;
    // How many pixels one of the tables' pixels at 96 dots per inch takes. The whole window grows
    // with the screen's resolution and with an interface font larger than the tables' (never
    // smaller), as a dialog grows with its font, keeping its proportions: the scale it wants.
    // It grows further where the font is wider than the tables were drawn for, until every text
    // fits its control; never beyond the room the screen has, nor below the tables' own size.
    double wantedScale_;
    double scale_;
    double textScale_;
    PixelSize clientSize_;
    std::vector<ControlPlan> controls_;
    std::vector<std::size_t> tabChain_;
    std::optional<std::size_t> defaultButton_;
    std::optional<std::size_t> cancelButton_;
    std::vector<LinePlan> lines_;
};

// Where a window's outer frame goes to stand centred in the screen's work area; a frame larger
// than the work area keeps its top-left corner, and so its title bar, on it.
PixelRect centredIn(const PixelRect& workArea, PixelSize frame);

}  // namespace quantaro
