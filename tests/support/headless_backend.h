// The headless back end: windows of plain objects that remember what the program did to them,
// in one log, so the logic can be tested without a display or a modal loop. Message boxes
// return at once and are recorded in the same log.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/backend.h"

namespace quantaro::testing {

class HeadlessBackend;

class HeadlessControl : public Control {
  public:
    HeadlessControl(HeadlessBackend& backend, const ControlLayout& layout);

    std::string text() const override { return text_; }
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    void setFocus() override;
    void addItem(const std::string& item) override;

    // What a user would see, for the tests to read.
    const std::string& caption() const { return caption_; }
    Colour backColor() const { return backColor_; }
    Colour foreColor() const { return foreColor_; }
    const std::vector<std::string>& items() const { return items_; }
    const ControlLayout& layout() const { return layout_; }

    // What a user would do: choose an entry of a list, or type into a box.
    void choose(const std::string& entry);
    void type(const std::string& text) { text_ = text; }

  private:
    void record(const std::string& what) const;

    HeadlessBackend& backend_;
    const ControlLayout& layout_;
    std::string text_;
    std::string caption_;
    Colour backColor_;
    Colour foreColor_;
    std::vector<std::string> items_;
};

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(HeadlessBackend& backend, const FormLayout& layout, WindowEvents& events);
    ~HeadlessWindow() override;

    HeadlessControl& control(std::string_view name) override;
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void show() override;

    const std::string& caption() const { return caption_; }
    bool isVisible() const { return visible_; }
    const FormLayout& layout() const { return layout_; }

    // A user's click on a button, or on the title-bar close button.
    void click(std::string_view control) { events_.clicked(control); }
    void closeFromTitleBar() { events_.closeRequested(); }

  private:
    HeadlessBackend& backend_;
    const FormLayout& layout_;
    WindowEvents& events_;
    std::string caption_;
    bool visible_ = false;
    std::map<std::string, std::unique_ptr<HeadlessControl>, std::less<>> controls_;
};

class HeadlessBackend : public Backend {
  public:
    std::unique_ptr<Window> createWindow(const FormLayout& layout, WindowEvents& events) override;
    void messageBox(const std::string& prompt, MessageIcon icon, const std::string& title) override;
    void quit() override { ++quitCount; }

    // The window of a loaded form, or nullptr when the form is not loaded.
    HeadlessWindow* window(std::string_view formName) const;

    // Everything the program did, in order: "txtBits.Text=1", "txtBits.BackColor=255",
    // "cboUnit.SetFocus", "MsgBox(Quantaro,Exclamation):Select a Unit".
    std::vector<std::string> log;
    // Runs before each text a control is given, so a test can fail any chosen write.
    std::function<void(const std::string& control, const std::string& text)> beforeSetText;
    int quitCount = 0;
    std::string focused;

  private:
    friend class HeadlessWindow;
    std::map<std::string, HeadlessWindow*, std::less<>> windows_;
};

}  // namespace quantaro::testing
