// The program on the headless double: clicks and title-bar closes reach the forms directly. It
// has no keyboard, pixels or window manager, so it runs the logic-level half of the suite.
#pragma once

#include "conformance/program_driver.h"
#include "support/headless_backend.h"

namespace quantaro::testing {

class HeadlessDriver final : public ProgramDriver {
  public:
    HeadlessDriver();

    Application& application() override { return application_; }
    void click(std::string_view form, std::string_view control) override {
        window(form).click(control);
    }
    void closeFromTitleBar(std::string_view form) override { window(form).closeFromTitleBar(); }
    std::string caption(std::string_view form, std::string_view control) override;
    std::vector<std::string> items(std::string_view control) override {
        return window("frmMain").control(control).items();
    }
    std::string focused() override { return backend_.focused; }
    std::vector<std::string> windows() override;
    bool isVisible(std::string_view form) override {
        return backend_.window(form) != nullptr && backend_.window(form)->isVisible();
    }
    int endRequests() override { return backend_.quitCount; }

  private:
    // A box of the double returns at once, so no window can take input while it is up.
    class RecordingBackend final : public HeadlessBackend {
      public:
        explicit RecordingBackend(std::vector<ShownBox>& boxes) : boxes_(boxes) {}
        void messageBox(const std::string& prompt, MessageIcon icon,
                        const std::string& title) override {
            HeadlessBackend::messageBox(prompt, icon, title);
            boxes_.push_back({title, prompt, icon, true, true});
        }

      private:
        std::vector<ShownBox>& boxes_;
    };

    HeadlessWindow& window(std::string_view form);

    RecordingBackend backend_{boxes};
    Application application_;
};

}  // namespace quantaro::testing
