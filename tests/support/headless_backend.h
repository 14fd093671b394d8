// The headless back end: windows of plain objects built from the same layout plan as the real
// back ends, which remember what the program did to them, in one log, so the logic can be
// tested without a display or a modal loop. Message boxes return at once and are recorded in
// the same log. What the runtime refuses for the real back ends it refuses here too.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/backend.h"

namespace quantaro::testing {

class HeadlessBackend;

class HeadlessControl final : public ControlWidget {
  public:
    HeadlessControl(HeadlessBackend& backend, const ControlPlan& plan);

    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    std::string description() const override { return description_; }
    void setDescription(const std::string& description) override;
    void setFocus() override;
    void addItem(const std::string& item) override;
    std::vector<std::string> items() const override { return items_; }
    void choose(std::optional<std::size_t> entry) override;

    // What a user would see, for the tests to read.
    const std::string& caption() const { return caption_; }
    Colour backColor() const { return backColor_; }
    Colour foreColor() const { return foreColor_; }
    const ControlLayout& layout() const { return *plan_.row; }
    const ControlPlan& plan() const { return plan_; }

    // What a user would do: choose an entry of a list (nothing else can be chosen), or type
    // into a box.
    void choose(const std::string& entry);
    void type(const std::string& text) { text_ = text; }

  private:
    void record(const std::string& what) const;

    HeadlessBackend& backend_;
    const ControlPlan& plan_;
    std::string text_;
    std::string caption_;
    Colour backColor_;
    Colour foreColor_;
    std::string description_;
    std::vector<std::string> items_;
    std::optional<std::size_t> chosen_;
};

class HeadlessWindow final : public Window {
  public:
    HeadlessWindow(HeadlessBackend& backend, const LayoutPlan& plan, WindowEvents& events);
    ~HeadlessWindow() override;

    HeadlessControl& widget(std::size_t index) override { return *controls_.at(index); }
    HeadlessControl& control(std::string_view name) { return widget(plan_.indexOf(name)); }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string description() const override { return description_; }
    void setDescription(const std::string& description) override { description_ = description; }
    void show() override;
    std::optional<std::size_t> focusedControl() const override;
    // Gives the focus as the program's own SetFocus would, but unrecorded: the program's
    // logic did not ask for it.
    void activate(std::size_t control) override;
    void showInTaskbar() override { onTaskbar_ = true; }

    const std::string& caption() const { return caption_; }
    bool isVisible() const { return visible_; }
    bool isOnTaskbar() const { return visible_ && onTaskbar_; }
    const FormLayout& layout() const { return plan_.layout(); }

    // A user's click on a button, or on the title-bar close button.
    void click(std::string_view control) { events_.clicked(control); }
    void closeFromTitleBar() { events_.closeRequested(); }

  private:
    HeadlessBackend& backend_;
    const LayoutPlan& plan_;
    WindowEvents& events_;
    std::string caption_;
    std::string description_;
    bool visible_ = false;
    bool shownBefore_ = false;
    bool onTaskbar_ = plan_.layout().showInTaskbar;
    std::vector<std::unique_ptr<HeadlessControl>> controls_;
};

class HeadlessBackend : public Backend {
  public:
    ScreenFacts screenFacts() override;
    std::unique_ptr<Window> createWindow(const LayoutPlan& plan, WindowEvents& events) override;
    void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                    Window* owner) override;
    void quit(int exitStatus) override {
        ++quitCount;
        this->exitStatus = exitStatus;
    }

    // The window of a loaded form, or nullptr when the form is not loaded.
    HeadlessWindow* window(std::string_view formName) const;

    // Everything the program did, in order: "txtBits.Text=1", "txtBits.BackColor=000000FF",
    // "txtBits.Description=Entered value", "cboUnit.SetFocus",
    // "MsgBox(Quantaro,Exclamation):Select a Unit".
    std::vector<std::string> log;
    // Runs before each text a control is given, so a test can fail any chosen write.
    std::function<void(const std::string& control, const std::string& text)> beforeSetText;
    int quitCount = 0;
    int exitStatus = 0;
    // The control with the focus; a message box takes it while it is up, as on a real screen.
    std::string focused;

  private:
    friend class HeadlessWindow;
    friend class HeadlessControl;
    void focus(const ControlPlan& control);
    const ControlPlan* focusedPlan_ = nullptr;
    std::map<std::string, HeadlessWindow*, std::less<>> windows_;
};

}  // namespace quantaro::testing
