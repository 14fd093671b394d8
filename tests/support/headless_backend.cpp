// The headless back end's recording controls and windows.
#include "support/headless_backend.h"

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

bool holdsText(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ReadOnlyTextBox ||
           kind == ControlKind::DropDownList;
}

}  // namespace

HeadlessControl::HeadlessControl(HeadlessBackend& backend, const ControlLayout& layout)
    : backend_(backend),
      layout_(layout),
      caption_(layout.caption),
      backColor_(holdsText(layout.kind) ? colours::windowBackground : colours::buttonFace),
      foreColor_(holdsText(layout.kind) ? colours::windowText : layout.foreColor) {}

void HeadlessControl::record(const std::string& what) const {
    backend_.log.push_back(std::string(layout_.name) + "." + what);
}

void HeadlessControl::setText(const std::string& text) {
    if (!holdsText(layout_.kind)) {
        throw RunTimeError::notSupported();
    }
    if (backend_.beforeSetText) {
        backend_.beforeSetText(std::string(layout_.name), text);
    }
    text_ = text;
    record("Text=" + text);
}

void HeadlessControl::setCaption(const std::string& caption) {
    if (holdsText(layout_.kind) || layout_.kind == ControlKind::Picture) {
        throw RunTimeError::notSupported();
    }
    caption_ = caption;
    record("Caption=" + caption);
}

void HeadlessControl::setBackColor(Colour colour) {
    backColor_ = colour;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", colour);
    record(std::string("BackColor=") + hex);
}

void HeadlessControl::setForeColor(Colour colour) {
    foreColor_ = colour;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", colour);
    record(std::string("ForeColor=") + hex);
}

void HeadlessControl::setFocus() {
    if (layout_.kind == ControlKind::Frame || layout_.kind == ControlKind::Label) {
        throw RunTimeError::notSupported();
    }
    backend_.focused = std::string(layout_.name);
    record("SetFocus");
}

void HeadlessControl::addItem(const std::string& item) {
    if (layout_.kind != ControlKind::DropDownList) {
        throw RunTimeError::notSupported();
    }
    items_.push_back(item);
    record("AddItem=" + item);
}

void HeadlessControl::choose(const std::string& entry) {
    text_ = entry;
}

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, const FormLayout& layout,
                               WindowEvents& events)
    : backend_(backend), layout_(layout), events_(events), caption_(layout.caption) {
    for (const ControlLayout& control : layout.controls) {
        controls_.emplace(std::string(control.name),
                          std::make_unique<HeadlessControl>(backend, control));
    }
    backend_.windows_[std::string(layout.name)] = this;
}

HeadlessWindow::~HeadlessWindow() {
    backend_.windows_.erase(std::string(layout_.name));
    backend_.log.push_back(std::string(layout_.name) + ".Unloaded");
}

HeadlessControl& HeadlessWindow::control(std::string_view name) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw RunTimeError::noSuchControl();
    }
    return *found->second;
}

void HeadlessWindow::show() {
    visible_ = true;
    backend_.log.push_back(std::string(layout_.name) + ".Show");
}

std::unique_ptr<Window> HeadlessBackend::createWindow(const FormLayout& layout,
                                                      WindowEvents& events) {
    log.push_back(std::string(layout.name) + ".Load");
    return std::make_unique<HeadlessWindow>(*this, layout, events);
}

void HeadlessBackend::messageBox(const std::string& prompt, MessageIcon icon,
                                 const std::string& title) {
    log.push_back("MsgBox(" + title + "," + iconName(icon) + "):" + prompt);
}

HeadlessWindow* HeadlessBackend::window(std::string_view formName) const {
    const auto found = windows_.find(formName);
    return found == windows_.end() ? nullptr : found->second;
}

}  // namespace quantaro::testing
