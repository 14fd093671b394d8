// Loading, showing and unloading a form, and routing its window's events to its handlers.
#include "runtime/form.h"

#include <algorithm>
#include <stdexcept>

#include "runtime/layout_check.h"

namespace quantaro {

namespace {

std::logic_error noSuchControl(const FormLayout& layout, std::string_view name, const char* what) {
    return std::logic_error(std::string(layout.name) + "." + std::string(name) + ": " + what);
}

}  // namespace

Form::Form(FormHost& host, const FormLayout& layout) : host_(host), layout_(layout) {}

Form::~Form() = default;

Window& Form::loadedWindow() {
    if (!isLoaded()) {
        plan_.emplace(layout_, host_.backend().screenFacts());
        window_ = host_.backend().createWindow(*plan_, *this);
        for (std::size_t index = 0; index < plan_->controls().size(); ++index) {
            controls_.emplace_back(plan_->control(index), window_->widget(index));
        }
        Form_Load();
    }
    return *window_;
}

void Form::Show() {
    loadedWindow().show();
    shown_ = true;
}

void Form::Unload() {
    if (!isLoaded()) {
        return;
    }
    controls_.clear();
    window_.reset();
    plan_.reset();
    shown_ = false;
    host_.formUnloaded();
}

Control& Form::control(std::string_view name) {
    loadedWindow();
    return controls_[plan_->indexOf(name)];
}

void Form::onClick(std::string_view control, std::function<void()> handler) {
    const ControlLayout* row = findControl(layout_.controls, control);
    if (row == nullptr || row->kind != ControlKind::Button) {
        throw noSuchControl(layout_, control,
                            "a click handler for a button the form does not have");
    }
    clickHandlers_.push_back({control, std::move(handler)});
}

void Form::setCaption(const std::string& caption) {
    loadedWindow().setCaption(caption);
}

void Form::setDescription(const std::string& description) {
    describe(loadedWindow(), description);
}

void Form::clicked(std::string_view control) {
    const auto handler = std::find_if(clickHandlers_.begin(), clickHandlers_.end(),
                                      [&](const ClickHandler& h) { return h.control == control; });
    if (handler != clickHandlers_.end()) {
        host_.dispatch(*this, handler->run);
    }
}

// Closing from the title bar runs none of the program's handlers: the window simply unloads.
void Form::closeRequested() {
    host_.dispatch(*this, [this] { Unload(); });
}

void Form::screenChanged(const ScreenFacts& screen) {
    plan_->replanFor(screen);
}

ControlRef::ControlRef(Form& form, std::string_view name) : form_(&form), name_(name) {
    if (findControl(form.layout().controls, name) == nullptr) {
        throw noSuchControl(form.layout(), name, "a reference to a control the form does not have");
    }
}

}  // namespace quantaro
