// The base of every window of the program: one instance per window kind, loaded on Show and
// discarded on Unload. It binds the window's click events to the form's handlers and runs them
// through the application's dispatch boundary. It does not know any toolkit.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/backend.h"

namespace quantaro {

class Application;

class Form : private WindowEvents {
  public:
    Form(Application& application, const FormLayout& layout);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Loads the form if it is not loaded (running Form_Load), then shows it modeless.
    void Show();
    // Closes the window and discards its controls; the next Show loads it anew.
    void Unload();
    bool isLoaded() const { return window_ != nullptr; }

    // A control of the loaded form; using one loads the form, as in Show.
    Control& control(std::string_view name);
    // The back end's window, for tests and back-end specific inspection.
    Window& window();
    const FormLayout& layout() const { return layout_; }

  protected:
    virtual void Form_Load() {}
    void onClick(std::string_view control, std::function<void()> handler);
    void setCaption(const std::string& caption);
    Application& application() { return application_; }

  private:
    void load();
    void clicked(std::string_view control) override;
    void closeRequested() override;

    struct ClickHandler {
        std::string_view control;
        std::function<void()> run;
    };

    Application& application_;
    const FormLayout& layout_;
    std::vector<ClickHandler> clickHandlers_;
    std::unique_ptr<Window> window_;
};

// A control named on a form, resolved afresh at each use, so that it survives the form being
// unloaded and loaded again: `txtBits->setText(...)`.
class ControlRef {
  public:
    ControlRef(Form& form, std::string_view name) : form_(&form), name_(name) {}
    Control* operator->() const { return &form_->control(name_); }
    Control& operator*() const { return form_->control(name_); }
    std::string_view name() const { return name_; }

  private:
    Form* form_;
    std::string_view name_;
};

}  // namespace quantaro
