// The top-level widget of one loaded window. It draws the window's lines beneath the controls,
// makes the plan's default and cancel buttons Qt's, turns button clicks and the title-bar close
// into the program's window events, and centres its frame on the screen's work area once the
// window manager has told how big the frame is. It never closes or hides itself: whether a
// window goes away is the program's decision, carried out by discard().
#pragma once

#include <QDialog>
#include <QRect>
#include <cstddef>
#include <optional>
#include <string_view>

#include "runtime/backend.h"
#include "runtime/layout_plan.h"

class QPushButton;

namespace quantaro {

class QtDialog final : public QDialog {
  public:
    QtDialog(const LayoutPlan& plan, WindowEvents& events);

    // Reports the button's clicks to the program as clicks of the plan's control of this index;
    // Enter and Escape press it where the plan makes it the default or the cancel button.
    void addButton(QPushButton& button, std::size_t control);

    // Places the window centred on the screen's work area; the frame's size is known only once
    // the window is on the screen, so the first paint places it again.
    void centreOnScreen();

    // Gives the window a taskbar entry where its table kept it off the taskbar.
    void showInTaskbar();
    bool isOnTaskbar() const { return onTaskbar_; }

    // Hides the window now and deletes it once Qt is done with the event in hand, which may be
    // a click of one of its own buttons. Nothing reaches the program from it afterwards.
    void discard();

    // Qt rejects a dialog on Escape and hides it. Here Escape clicks the cancel button, when
    // the window has one, and the program's handler decides what happens.
    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeFrame();

    const LayoutPlan& plan_;
    WindowEvents* events_;
    QPushButton* cancelButton_ = nullptr;
    bool framePlaced_ = true;
    bool onTaskbar_;
};

}  // namespace quantaro
