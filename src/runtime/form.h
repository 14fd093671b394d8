// The base of every window of the program: one instance per window kind, loaded on first use
// and discarded on Unload. It plans the window from its layout table, binds the window's click
// events to the form's handlers and runs them through its host's dispatch boundary. It does
// not know any toolkit.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/control.h"
#include "runtime/form_host.h"
#include "runtime/layout.h"
#include "runtime/layout_plan.h"

namespace quantaro {

class Form : private WindowEvents {
  public:
    Form(FormHost& host, const FormLayout& layout);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Loads the form if it is not loaded (running Form_Load), then shows it modeless.
    void Show();
    // Closes the window and discards its controls; the next use loads it anew.
    void Unload();
    bool isLoaded() const { return window_ != nullptr; }
    // Shown since it was last loaded: a form can be loaded by a use of its controls alone.
    bool isShown() const { return isLoaded() && shown_; }

    // A control of the loaded form; using one loads the form, as Show does.
    Control& control(std::string_view name);
    const FormLayout& layout() const { return layout_; }
    // The window while the form is loaded, else nullptr; asking does not load the form.
    Window* windowIfLoaded() const { return window_.get(); }

  protected:
    virtual void Form_Load() {}
    // Refuses, with std::logic_error, a name that is no button of this form's table.
    void onClick(std::string_view control, std::function<void()> handler);
    void setCaption(const std::string& caption);
    void setDescription(const std::string& description);

  private:
    // Every use of the window goes through here: the one place where a form is loaded.
    Window& loadedWindow();
    void clicked(std::string_view control) override;
    void closeRequested() override;
    void screenChanged(const ScreenFacts& screen) override;

    struct ClickHandler {
        std::string_view control;
        std::function<void()> run;
    };

    FormHost& host_;
    const FormLayout& layout_;
    std::vector<ClickHandler> clickHandlers_;
    std::optional<LayoutPlan> plan_;
    std::unique_ptr<Window> window_;
    std::vector<Control> controls_;
    bool shown_ = false;
};

// A control named on a form, resolved afresh at each use, so that it survives the form being
// unloaded and loaded again: `txtBits->setText(...)`. A name not in the form's table is refused
// with std::logic_error when the reference is made.
class ControlRef {
  public:
    ControlRef(Form& form, std::string_view name);
    Control* operator->() const { return &form_->control(name_); }
    Control& operator*() const { return form_->control(name_); }

  private:
    Form* form_;
    std::string_view name_;
};

}  // namespace quantaro
