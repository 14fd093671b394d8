// The top-level widget of one loaded window. It draws the window's lines beneath the controls,
// makes the table's default and cancel buttons Qt's, and turns button clicks and the title-bar
// close into the program's window events. It never closes or hides itself: whether a window
// goes away is the program's decision, carried out by discard().
#pragma once

#include <QDialog>
#include <QLineF>
#include <QPen>
#include <vector>

#include "runtime/backend.h"
#include "runtime/layout.h"
#include "runtime/qt/qt_scale.h"

class QPushButton;

namespace quantaro {

class QtDialog final : public QDialog {
  public:
    QtDialog(const FormLayout& layout, WindowEvents& events, const TwipScale& scale);

    // Makes the button the default or the cancel button as its role says and reports its
    // clicks to the program.
    void addButton(QPushButton& button, const ControlLayout& layout);

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
    struct Line {
        QLineF path;
        QPen pen;
    };

    WindowEvents* events_;
    QPushButton* cancelButton_ = nullptr;
    std::vector<Line> lines_;
};

}  // namespace quantaro
