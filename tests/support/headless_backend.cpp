// The headless back end's recording controls and windows.
#include "support/headless_backend.h"

#include <algorithm>
#include <cstdio>

#include "runtime/run_time_error.h"

namespace quantaro::testing {

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return "Critical";
        case MessageIcon::Question:
            return "Question";
        case MessageIcon::Exclamation:
            return "Exclamation";
        case MessageIcon::Information:
            return "Information";
        case MessageIcon::None:
            break;
    }
    return "None";
}

std::string hex(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", colour);
    return text;
}

}  // namespace

HeadlessControl::HeadlessControl(HeadlessBackend& backend, const ControlPlan& plan)
    : backend_(backend),
      plan_(plan),
      caption_(plan.row->caption),
      backColor_(plan.backColour),
      foreColor_(plan.foreColour) {}

void HeadlessControl::record(const std::string& what) const {
    backend_.log.push_back(std::string(plan_.row->name) + "." + what);
}

std::string HeadlessControl::text() const {
    return plan_.abilities.holdsItems ? (chosen_ ? items_[*chosen_] : std::string()) : text_;
}

void HeadlessControl::setText(const std::string& text) {
    if (backend_.beforeSetText) {
        backend_.beforeSetText(std::string(plan_.row->name), text);
    }
    text_ = text;
    record("Text=" + text);
}

void HeadlessControl::choose(std::optional<std::size_t> entry) {
    const std::string chosen = entry ? items_.at(*entry) : std::string();
    if (backend_.beforeSetText) {
        backend_.beforeSetText(std::string(plan_.row->name), chosen);
    }
    chosen_ = entry;
    record("Text=" + chosen);
}

void HeadlessControl::setCaption(const std::string& caption) {
    caption_ = caption;
    record("Caption=" + caption);
}

void HeadlessControl::setBackColor(Colour colour) {
    backColor_ = colour;
    record("BackColor=" + hex(colour));
}

void HeadlessControl::setForeColor(Colour colour) {
    foreColor_ = colour;
    record("ForeColor=" + hex(colour));
}

void HeadlessControl::setDescription(const std::string& description) {
    description_ = description;
    record("Description=" + description);
}

void HeadlessControl::setFocus() {
    backend_.focus(plan_);
    record("SetFocus");
}

void HeadlessControl::addItem(const std::string& item) {
    items_.push_back(item);
    record("AddItem=" + item);
}

void HeadlessControl::choose(const std::string& entry) {
    if (entry.empty()) {
        chosen_.reset();
        return;
    }
    const auto found = std::find(items_.begin(), items_.end(), entry);
    if (found == items_.end()) {
        // A drop-down list offers its entries and nothing else, on every back end.
        throw RunTimeError::invalidArgument();
    }
    chosen_ = static_cast<std::size_t>(found - items_.begin());
}

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, const LayoutPlan& plan,
                               WindowEvents& events)
    : backend_(backend), plan_(plan), events_(events), caption_(plan.layout().caption) {
    for (const ControlPlan& control : plan.controls()) {
        controls_.push_back(std::make_unique<HeadlessControl>(backend, control));
    }
    backend_.windows_[std::string(plan.layout().name)] = this;
}

HeadlessWindow::~HeadlessWindow() {
    if (focusedControl()) {
        backend_.focusedPlan_ = nullptr;
    }
    backend_.windows_.erase(std::string(plan_.layout().name));
    backend_.log.push_back(std::string(plan_.layout().name) + ".Unloaded");
}

void HeadlessWindow::show() {
    visible_ = true;
    if (!shownBefore_ && plan_.firstFocus()) {
        backend_.focus(plan_.control(*plan_.firstFocus()));
    }
    shownBefore_ = true;
    backend_.log.push_back(std::string(plan_.layout().name) + ".Show");
}

std::optional<std::size_t> HeadlessWindow::focusedControl() const {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        if (&controls_[index]->plan() == backend_.focusedPlan_) {
            return index;
        }
    }
    return std::nullopt;
}

void HeadlessWindow::activate(std::size_t control) {
    backend_.focus(controls_.at(control)->plan());
}

ScreenFacts HeadlessBackend::screenFacts() {
    // No font: labels keep the widths of their table.
    return {96, [](std::string_view, double) { return PixelSize{0, 0}; }};
}

std::unique_ptr<Window> HeadlessBackend::createWindow(const LayoutPlan& plan,
                                                      WindowEvents& events) {
    log.push_back(std::string(plan.layout().name) + ".Load");
    return std::make_unique<HeadlessWindow>(*this, plan, events);
}

void HeadlessBackend::messageBox(const std::string& prompt, MessageIcon icon,
                                 const std::string& title, Window*) {
    log.push_back("MsgBox(" + title + "," + iconName(icon) + "):" + prompt);
    focused.clear();
    focusedPlan_ = nullptr;
}

void HeadlessBackend::focus(const ControlPlan& control) {
    focused = std::string(control.row->name);
    focusedPlan_ = &control;
}

HeadlessWindow* HeadlessBackend::window(std::string_view formName) const {
    const auto found = windows_.find(formName);
    return found == windows_.end() ? nullptr : found->second;
}

}  // namespace quantaro::testing
