// The whole program started on the headless back end, with services a test can set, so each
// test reads like a user's session: type, choose, click, then look at the boxes and the log.
#pragma once

#include <string>
#include <vector>

#include "app/start_up.h"
#include "runtime/application.h"
#include "support/headless_backend.h"

namespace quantaro::testing {

class HeadlessProgram {
  public:
    explicit HeadlessProgram(SystemServices services = {})
        : application_(backend, std::move(services)) {
        startUp(application_);
    }

    HeadlessWindow& window(std::string_view form) {
        HeadlessWindow* found = backend.window(form);
        if (found == nullptr) {
            throw std::logic_error(std::string(form) + " is not loaded");
        }
        return *found;
    }
    HeadlessControl& control(std::string_view name, std::string_view form = "frmMain") {
        return window(form).control(name);
    }

    // Types a value, chooses a unit and presses Convert; returns what the program did.
    std::vector<std::string> convert(const std::string& value, const std::string& unit) {
        control("txtUnit").type(value);
        control("cboUnit").choose(unit);
        return click("cmdConvert");
    }
    std::vector<std::string> click(std::string_view button, std::string_view form = "frmMain") {
        backend.log.clear();
        window(form).click(button);
        return backend.log;
    }

    Application& application() { return application_; }

    HeadlessBackend backend;

  private:
    Application application_;
};

}  // namespace quantaro::testing
