// The forms runtime as the program's logic uses it: the one instance of each form, the event
// dispatch boundary where errors are reported (the rule is written in backend.h), message boxes
// titled with the application title, and the end of the program. It does not create widgets;
// the back end does.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/backend.h"
#include "runtime/form.h"
#include "runtime/form_host.h"
#include "runtime/system_services.h"

namespace quantaro {

// Message box style values: the icon sits in bits 4 to 6, as the program writes them.
namespace msgbox {
inline constexpr int okOnly = 0x00;
inline constexpr int critical = 0x10;
inline constexpr int question = 0x20;
inline constexpr int exclamation = 0x30;
inline constexpr int information = 0x40;
}  // namespace msgbox

class Application final : public FormHost {
  public:
    Application(Backend& backend, SystemServices services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one instance of a form, created (not loaded) on first use.
    template <class F>
    F& form() {
        for (const auto& existing : forms_) {
            if (auto* found = dynamic_cast<F*>(existing.get())) {
                return *found;
            }
        }
        forms_.push_back(std::make_unique<F>(*this));
        return static_cast<F&>(*forms_.back());
    }

    // Runs one event handler. A run-time error that escapes it is reported to the user here,
    // and the program goes on; any other exception is reported and ends the program with a
    // failure status. After End nothing runs any more. Without a form (the start-up) the
    // message boxes belong to no window.
    void dispatch(const std::function<void()>& handler);
    void dispatch(Form& form, const std::function<void()>& handler) override;

    // Belongs to the window of the form whose event is being handled, while it is loaded.
    void msgBox(std::string_view prompt, int style);

    // Unloads every form and leaves the event loop at once.
    void End();

    // Told by a form after it unloaded; the program ends with its last window. Windows left
    // without one on the taskbar each take an entry of their own and come to the front.
    void formUnloaded() override;

    Backend& backend() override { return backend_; }
    const SystemServices& services() const { return services_; }

  private:
    friend struct ApplicationTestAccess;

    void run(Form* form, const std::function<void()>& handler);
    void endWithFailure(const std::string& what);
    void end(int exitStatus);
    void keepFindable();

    Backend& backend_;
    SystemServices services_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* handling_ = nullptr;  // the form whose event is being handled
    bool ended_ = false;
};

}  // namespace quantaro
