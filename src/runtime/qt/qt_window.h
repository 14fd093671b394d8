// A loaded window of the Qt back end: the dialog and its controls, built from the form's
// layout table alone. Destroying it hides the dialog at once and lets Qt delete it later, so
// a form may unload itself from one of its own buttons' handlers.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/qt/qt_control.h"
#include "runtime/qt/qt_dialog.h"

namespace quantaro {

class QtWindow final : public Window {
  public:
    QtWindow(const FormLayout& layout, WindowEvents& events);

    QtControl& control(std::string_view name) override;
    void setCaption(const std::string& caption) override;
    void show() override;

  private:
    struct Discard {
        void operator()(QtDialog* dialog) const { dialog->discard(); }
    };

    QWidget& containerOf(const ControlLayout& layout);
    void orderTabs();

    const FormLayout& layout_;
    std::unique_ptr<QtDialog, Discard> dialog_;
    std::vector<std::unique_ptr<QtControl>> controls_;
    QWidget* firstInTabOrder_ = nullptr;
    bool shown_ = false;
};

}  // namespace quantaro
