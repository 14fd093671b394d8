// The dispatch boundary, message boxes and program end of the forms runtime.
#include "runtime/application.h"

#include <algorithm>

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

}  // namespace

Application::Application(Backend& backend, SystemServices services)
    : backend_(backend), services_(std::move(services)) {}

Application::~Application() = default;

void Application::dispatch(const std::function<void()>& handler) {
    if (ended_) {
        return;
    }
    try {
        handler();
    } catch (const RunTimeError& error) {
        // The handler is abandoned at the failing step; whatever it wrote before stays.
        msgBox(error.description(), msgbox::critical);
    }
}

void Application::msgBox(std::string_view prompt, int style) {
    backend_.messageBox(std::string(prompt), iconOfStyle(style), std::string(app::Title));
}

void Application::End() {
    ended_ = true;
    for (const auto& form : forms_) {
        form->Unload();
    }
    backend_.quit();
}

void Application::formUnloaded() {
    if (ended_) {
        return;
    }
    const bool anyLoaded = std::any_of(forms_.begin(), forms_.end(),
                                       [](const auto& form) { return form->isLoaded(); });
    if (!anyLoaded) {
        backend_.quit();
    }
}

}  // namespace quantaro
