// The Qt 6 Widgets back end of the forms runtime: each window a dialog built from its layout
// plan, message boxes as Qt's, and the end of Qt's event loop. It holds no state of its own;
// the windows belong to the forms that load them.
//
// It cannot tell whether a contrast theme is on: Qt 6.4 offers no way to ask (the colour scheme
// of QStyleHints comes with 6.5), so it answers no, and draws the program's colours as given,
// as the contrast rule (runtime/contrast_paint.h) has them without a theme.
//
// A window is planned once, for the primary screen's logical resolution. Moved to a screen of
// another scale, it is not planned again: Qt scales it by that screen's device pixel ratio,
// and draws its text and icons sharp at that ratio. (The Win32 back end plans a window anew at
// each change of resolution, since Windows leaves that to the program.)
#pragma once

#include <QFont>
#include <functional>
#include <string_view>

#include "runtime/backend.h"

namespace quantaro {

class QtBackend : public Backend {
  public:
    // The primary screen's logical resolution and the labels' font.
    ScreenFacts screenFacts() override;
    std::unique_ptr<Window> createWindow(const LayoutPlan& plan, WindowEvents& events) override;
    // Blocks in Qt's modal loop until the user dismisses the box. The owner's dialog is the
    // box's parent, so that window managers and compositors place the box over it.
    void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                    Window* owner) override;
    // Leaves the event loop once the handler that asked has returned.
    void quit(int exitStatus) override;

    // How every plan measures a text: its width in whole pixels in the labels' font at a
    // fraction of its size, and the height of a line in that font.
    static std::function<PixelSize(std::string_view text, double textScale)> labelTextSize();
    // The labels' font at a fraction of its size: the font a window's texts are drawn in.
    static QFont labelFont(double textScale);
};

}  // namespace quantaro
