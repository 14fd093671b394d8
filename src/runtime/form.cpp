// Loading, showing and unloading a form, and routing its window's events to its handlers.
#include "runtime/form.h"

#include <algorithm>

#include "runtime/application.h"

namespace quantaro {

Form::Form(Application& application, const FormLayout& layout)
    : application_(application), layout_(layout) {}

Form::~Form() = default;

void Form::Show() {
    if (!isLoaded()) {
        load();
    }
    window_->show();
}

void Form::load() {
    window_ = application_.backend().createWindow(layout_, *this);
    Form_Load();
}

void Form::Unload() {
    if (!isLoaded()) {
        return;
    }
    window_.reset();
    application_.formUnloaded();
}

Control& Form::control(std::string_view name) {
    if (!isLoaded()) {
        load();
    }
    return window_->control(name);
}

Window& Form::window() {
    if (!isLoaded()) {
        load();
    }
    return *window_;
}

void Form::onClick(std::string_view control, std::function<void()> handler) {
    clickHandlers_.push_back({control, std::move(handler)});
}

void Form::setCaption(const std::string& caption) {
    window().setCaption(caption);
}

void Form::clicked(std::string_view control) {
    const auto handler = std::find_if(clickHandlers_.begin(), clickHandlers_.end(),
                                      [&](const ClickHandler& h) { return h.control == control; });
    if (handler != clickHandlers_.end()) {
        application_.dispatch(handler->run);
    }
}

// Closing from the title bar runs none of the program's handlers: the window simply unloads.
void Form::closeRequested() {
    Unload();
}

}  // namespace quantaro
