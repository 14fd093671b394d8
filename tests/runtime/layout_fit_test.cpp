// Both windows planned in fonts of every width and on screens with little room: whatever the
// font, the window stays within the screen's room and keeps its proportions, every control
// stays inside its window or frame and clear of the controls its table keeps it apart from,
// every button holds its caption on one line and every label its caption's wrapped lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "runtime/layout_plan.h"

namespace quantaro::testing {
namespace {

// A font whose every character takes the same width, as a monospace one does.
struct Font {
    const char* name;
    double dotsPerInch;
    double points;
    double characterWidth;  // in pixels at the font's full size
    double lineHeight;
    PixelSize room;
};

constexpr PixelSize unbounded{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};

ScreenFacts factsOf(const Font& font) {
    return {font.dotsPerInch,
            [font](std::string_view text, double textScale) {
                return PixelSize{
                    static_cast<int>(std::ceil(text.size() * font.characterWidth * textScale)),
                    static_cast<int>(std::ceil(font.lineHeight * textScale))};
            },
            font.points, font.room};
}

// The lines a caption takes in a width of this many characters, broken between words.
int linesOf(std::string_view caption, int characters) {
    int lines = 1;
    int used = 0;
    for (std::size_t start = 0; start <= caption.size();) {
        const std::size_t end = std::min(caption.find(' ', start), caption.size());
        const int word = static_cast<int>(end - start);
        if (used > 0 && used + 1 + word > characters) {
            ++lines;
            used = word;
        } else {
            used += (used > 0 ? 1 : 0) + word;
        }
        start = end + 1;
    }
    return lines;
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class InAnyFont : public ::testing::TestWithParam<Font> {};

void expectControlsInsideAndApart(const LayoutPlan& plan, const LayoutPlan& asDrawn) {
    const PixelRect client{0, 0, plan.clientSize().width, plan.clientSize().height};
    for (std::size_t index = 0; index < plan.controls().size(); ++index) {
        const ControlPlan& control = plan.control(index);
        const auto frame = control.frame;
        EXPECT_TRUE(inside(control.inWindow, frame ? plan.control(*frame).inWindow : client))
            << control.row->name;
        for (std::size_t other = 0; other < index; ++other) {
            EXPECT_EQ(overlap(control.inWindow, plan.control(other).inWindow),
                      overlap(asDrawn.control(index).inWindow, asDrawn.control(other).inWindow))
                << control.row->name << " and " << plan.control(other).row->name;
        }
    }
}

void expectTextsInside(const LayoutPlan& plan, const Font& font) {
    const double width = font.characterWidth * plan.textScale();
    const double line = font.lineHeight * plan.textScale();
    for (const ControlPlan& control : plan.controls()) {
        std::string caption(control.row->caption);
        std::erase(caption, '&');
        const PixelRect& room = control.inWindow;
        if (control.row->kind == ControlKind::Button) {
            EXPECT_LE(caption.size() * width, room.width) << control.row->name;
            EXPECT_LE(line, room.height) << control.row->name;
        } else if (control.row->kind == ControlKind::Label) {
            const int lines = linesOf(caption, static_cast<int>(room.width / width));
            EXPECT_LE(lines * line, room.height) << control.row->name << " in " << lines;
        }
    }
}

TEST_P(InAnyFont, BothWindowsHoldEveryTextWithinTheScreensRoom) {
    const Font& font = GetParam();
    for (const FormLayout* form : {&frmMain::layout, &frmAbout::layout}) {
        const LayoutPlan plan(*form, factsOf(font));
        // The table as drawn, in a font that takes no room.
        const LayoutPlan asDrawn(*form, {96, [](std::string_view, double) { return PixelSize{}; }});
        SCOPED_TRACE(form->name);
        EXPECT_LE(plan.clientSize().width, font.room.width);
        EXPECT_LE(plan.clientSize().height, font.room.height);
        EXPECT_NEAR(double(plan.clientSize().width) / plan.clientSize().height,
                    double(form->clientWidth) / form->clientHeight, 0.01);
        // Texts are drawn smaller only on a screen without room for the window they would need.
        Font roomy = font;
        roomy.room = unbounded;
        const PixelSize needed = LayoutPlan(*form, factsOf(roomy)).clientSize();
        EXPECT_EQ(plan.textScale() < 1,
                  needed.width > font.room.width || needed.height > font.room.height);
        expectControlsInsideAndApart(plan, asDrawn);
        expectTextsInside(plan, font);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layout, InAnyFont,
    ::testing::Values(
        Font{"Proportional", 96, 9, 6, 15, unbounded},
        Font{"Monospace", 96, 9, 7.5, 15, unbounded},
        Font{"WideMonospace", 96, 9, 9.5, 17, unbounded},
        Font{"LargeMonospace", 96, 14, 11, 22, unbounded},
        Font{"LargeFontOnASmallScreen", 96, 20, 13.5, 31, {1350, 700}},
        Font{"DenseScreenWithLittleRoom", 192, 9, 12, 30, {1354, 710}},
        Font{"MonospaceOnATinyScreen", 96, 9, 8, 15, {450, 400}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LayoutPlan, RefusesAWindowThatNoSizeOfItsFontFits) {
    const Font huge{"Huge", 96, 9, 80, 15, {640, 480}};
    EXPECT_THROW(LayoutPlan(frmAbout::layout, factsOf(huge)), std::logic_error);
}

}  // namespace
}  // namespace quantaro::testing
