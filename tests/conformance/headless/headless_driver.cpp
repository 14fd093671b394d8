// Driving the headless double.
#include "conformance/headless/headless_driver.h"

#include <stdexcept>

#include "app/start_up.h"

namespace quantaro::testing {

HeadlessDriver::HeadlessDriver() : application_(backend_, services()) {
    startUp(application_);
}

HeadlessWindow& HeadlessDriver::window(std::string_view form) {
    HeadlessWindow* found = backend_.window(form);
    if (found == nullptr) {
        throw std::logic_error(std::string(form) + " has no window");
    }
    return *found;
}

std::string HeadlessDriver::caption(std::string_view form, std::string_view control) {
    return control.empty() ? window(form).caption() : window(form).control(control).caption();
}

std::vector<std::string> HeadlessDriver::windows() {
    std::vector<std::string> open;
    for (const char* form : {"frmMain", "frmAbout"}) {
        if (backend_.window(form) != nullptr) {
            open.emplace_back(form);
        }
    }
    return open;
}

}  // namespace quantaro::testing
