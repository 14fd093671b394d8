// Driving the headless double: clicks and title-bar closes reach the forms directly.
#include <stdexcept>

#include "app/start_up.h"
#include "conformance/program_driver.h"
#include "support/headless_backend.h"

namespace quantaro::testing {

namespace {

// A box of the double returns at once, so no window can take input while it is up.
struct RecordingBackend final : HeadlessBackend {
    explicit RecordingBackend(std::vector<ShownBox>& shown) : boxes(shown) {}
    void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                    Window* owner) override {
        HeadlessBackend::messageBox(prompt, icon, title, owner);
        const auto* window = static_cast<HeadlessWindow*>(owner);
        boxes.push_back(
            {title, prompt, icon, true, true, window ? std::string(window->layout().name) : ""});
    }
    std::vector<ShownBox>& boxes;
};

class HeadlessDriver final : public ProgramDriver {
  public:
    HeadlessDriver() { startUp(application_); }

    Application& application() override { return application_; }
    void click(std::string_view form, std::string_view control) override {
        window(form).click(control);
    }
    void closeFromTitleBar(std::string_view form) override { window(form).closeFromTitleBar(); }
    std::string caption(std::string_view form, std::string_view control) override {
        return control.empty() ? window(form).caption() : window(form).control(control).caption();
    }
    std::vector<std::string> items(std::string_view control) override {
        return window("frmMain").control(control).items();
    }
    std::string focused() override { return backend_.focused; }
    std::vector<std::string> windows() override {
        std::vector<std::string> open;
        for (const char* form : {"frmMain", "frmAbout"}) {
            if (backend_.window(form) != nullptr) {
                open.emplace_back(form);
            }
        }
        return open;
    }
    bool isVisible(std::string_view form) override {
        return backend_.window(form) != nullptr && backend_.window(form)->isVisible();
    }
    bool isOnTaskbar(std::string_view form) override { return window(form).isOnTaskbar(); }
    int endRequests() override { return backend_.quitCount; }
    int exitStatus() override { return backend_.exitStatus; }

  private:
    HeadlessWindow& window(std::string_view form) {
        HeadlessWindow* found = backend_.window(form);
        if (found == nullptr) {
            throw std::logic_error(std::string(form) + " has no window");
        }
        return *found;
    }

    RecordingBackend backend_{boxes};
    Application application_{backend_, services()};
};

}  // namespace

std::unique_ptr<ProgramDriver> startOnHeadless() {
    return std::make_unique<HeadlessDriver>();
}

}  // namespace quantaro::testing
