// The dispatch boundary, message boxes and program end of the forms runtime.
#include "runtime/application.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>

#include "runtime/app_facts.h"
#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

MessageIcon iconOfStyle(int style) {
    switch (style & 0x70) {
        case msgbox::critical:
            return MessageIcon::Critical;
        case msgbox::question:
            return MessageIcon::Question;
        case msgbox::exclamation:
            return MessageIcon::Exclamation;
        case msgbox::information:
            return MessageIcon::Information;
        default:
            return MessageIcon::None;
    }
}

// Which form's event is being handled, for as long as the handler and its report run; an
// event handled inside a message box's modal loop is that of its own form.
class HandlingForm {
  public:
    HandlingForm(Form*& handling, Form* form) : handling_(handling), outer_(handling) {
        handling_ = form;
    }
    ~HandlingForm() { handling_ = outer_; }
    HandlingForm(const HandlingForm&) = delete;
    HandlingForm& operator=(const HandlingForm&) = delete;

  private:
    Form*& handling_;
    Form* outer_;
};

// Where the keyboard focus was before a message box took it: a control of a form's window.
struct FocusPlace {
    const Form* form;
    Window* window;
    std::size_t control;
};

std::optional<FocusPlace> focusAmong(const std::vector<std::unique_ptr<Form>>& forms) {
    for (const auto& form : forms) {
        if (Window* window = form->windowIfLoaded()) {
            if (const auto control = window->focusedControl()) {
                return FocusPlace{form.get(), window, *control};
            }
        }
    }
    return std::nullopt;
}

// The user finds the focus where it was, whichever window the toolkit activated after the box;
// unless that window was unloaded while the box was up.
void giveBack(const std::optional<FocusPlace>& focus) {
    if (focus && focus->form->windowIfLoaded() == focus->window) {
        focus->window->activate(focus->control);
    }
}

}  // namespace

Application::Application(Backend& backend, SystemServices services)
    : backend_(backend), services_(std::move(services)) {}

Application::~Application() = default;

void Application::dispatch(const std::function<void()>& handler) {
    run(nullptr, handler);
}

void Application::dispatch(Form& form, const std::function<void()>& handler) {
    run(&form, handler);
}

// The report of an error that escapes the handler speaks for the same window as its boxes.
void Application::run(Form* form, const std::function<void()>& handler) {
    if (ended_) {
        return;
    }
    const HandlingForm handling(handling_, form);
    try {
        handler();
    } catch (const RunTimeError& error) {
        // The handler is abandoned at the failing step; whatever it wrote before stays.
        msgBox(error.report(), msgbox::critical);
    } catch (const std::exception& error) {
        endWithFailure(error.what());
    } catch (...) {
        endWithFailure("an error of unknown kind");
    }
}

// Not one of the program's run-time errors but a fault of the program or its system: going on
// could show wrong figures, so the user is told and the program ends.
void Application::endWithFailure(const std::string& what) {
    const std::string report =
        std::string(app::Title) + " met an error it cannot recover from and will close.\n\n" + what;
    try {
        msgBox(report, msgbox::critical);
    } catch (const std::exception&) {
        // With no message box to be had, the failure status is the only report left.
    }
    end(EXIT_FAILURE);
}

void Application::msgBox(std::string_view prompt, int style) {
    Window* const owner = handling_ != nullptr ? handling_->windowIfLoaded() : nullptr;
    const std::optional<FocusPlace> focus = focusAmong(forms_);
    backend_.messageBox(std::string(prompt), iconOfStyle(style), std::string(app::Title), owner);
    giveBack(focus);
}

void Application::End() {
    end(EXIT_SUCCESS);
}

void Application::end(int exitStatus) {
    ended_ = true;
    for (const auto& form : forms_) {
        form->Unload();
    }
    backend_.quit(exitStatus);
}

void Application::formUnloaded() {
    if (ended_) {
        return;
    }
    const bool anyLoaded = std::any_of(forms_.begin(), forms_.end(),
                                       [](const auto& form) { return form->isLoaded(); });
    if (!anyLoaded) {
        backend_.quit(EXIT_SUCCESS);
    } else {
        keepFindable();
    }
}

// A window kept off the taskbar is found through the window that has the entry; once that one
// is gone the user could neither see that the program still runs nor switch back to it.
void Application::keepFindable() {
    const bool oneHasAnEntry = std::any_of(forms_.begin(), forms_.end(), [](const auto& form) {
        return form->isLoaded() && form->layout().showInTaskbar;
    });
    if (oneHasAnEntry) {
        return;
    }
    for (const auto& form : forms_) {
        if (Window* window = form->windowIfLoaded()) {
            window->showInTaskbar();
            if (form->isShown()) {
                window->show();
            }
        }
    }
}

}  // namespace quantaro
