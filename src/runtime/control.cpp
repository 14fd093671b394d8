// The properties of a control, each allowed only where its kind has it.
#include "runtime/control.h"

#include <algorithm>

#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

void require(bool ability) {
    if (!ability) {
        throw RunTimeError::notSupported();
    }
}

}  // namespace

std::string Control::text() const {
    require(plan_->abilities.holdsText);
    return widget_->text();
}

void Control::setText(const std::string& text) {
    require(plan_->abilities.holdsText);
    if (!plan_->abilities.holdsItems) {
        widget_->setText(text);
        return;
    }
    // A list shows one of its entries or nothing; no other text can stand in it.
    if (text.empty()) {
        widget_->choose(std::nullopt);
        return;
    }
    const std::vector<std::string> entries = widget_->items();
    const auto entry = std::find(entries.begin(), entries.end(), text);
    if (entry == entries.end()) {
        throw RunTimeError::invalidArgument();
    }
    widget_->choose(static_cast<std::size_t>(entry - entries.begin()));
}

void Control::setCaption(const std::string& caption) {
    require(plan_->abilities.hasCaption);
    widget_->setCaption(caption);
}

void Control::setBackColor(Colour colour) {
    widget_->setBackColor(colour);
}

void Control::setForeColor(Colour colour) {
    widget_->setForeColor(colour);
}

void Control::setDescription(const std::string& description) {
    describe(*widget_, description);
}

void Control::setFocus() {
    require(plan_->abilities.takesFocus);
    widget_->setFocus();
}

void Control::addItem(const std::string& item) {
    require(plan_->abilities.holdsItems);
    widget_->addItem(item);
}

}  // namespace quantaro
