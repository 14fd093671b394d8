// A loaded window of the Qt back end: the dialog and its controls, built from the form's plan
// alone. Destroying it hides the dialog at once and lets Qt delete it later, so a form may
// unload itself from one of its own buttons' handlers.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "runtime/backend.h"
#include "runtime/qt/qt_control.h"
#include "runtime/qt/qt_dialog.h"

namespace quantaro {

class QtWindow final : public Window {
  public:
    QtWindow(const LayoutPlan& plan, WindowEvents& events);

    QtControl& widget(std::size_t index) override { return *controls_.at(index); }
    void setCaption(const std::string& caption) override;
    std::string description() const override;
    void setDescription(const std::string& description) override;
    void show() override;
    std::optional<std::size_t> focusedControl() const override;
    void activate(std::size_t control) override;
    void showInTaskbar() override { dialog_->showInTaskbar(); }

    QDialog& dialog() const { return *dialog_; }

  private:
    struct Discard {
        void operator()(QtDialog* dialog) const { dialog->discard(); }
    };

    const LayoutPlan& plan_;
    std::unique_ptr<QtDialog, Discard> dialog_;
    std::vector<std::unique_ptr<QtControl>> controls_;
    bool shown_ = false;
};

}  // namespace quantaro
