// One control of a loaded window, as the program's logic sees it. It refuses what its kind
// cannot do with the runtime's "doesn't support" error, and a list's text that is none of its
// entries with "invalid argument", before any back end is asked; the back end's widget does the
// rest. It holds no value of its own: the widget's text is the only copy.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/colour.h"
#include "runtime/layout_plan.h"

namespace quantaro {

// One control as a back end shows it. The runtime calls only what the control's kind can do.
class ControlWidget {
  public:
    virtual ~ControlWidget() = default;
    // A text box's text, or a list's chosen entry (empty while none is chosen).
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setForeColor(Colour colour) = 0;
    // What a screen reader says of the control beyond its name; empty: nothing. Screen readers
    // are told of each one given, which the runtime gives only when it differs from this one
    // (describe, below).
    virtual std::string description() const = 0;
    virtual void setDescription(const std::string& description) = 0;
    virtual void setFocus() = 0;
    virtual void addItem(const std::string& item) = 0;
    virtual std::vector<std::string> items() const = 0;
    // Chooses the entry at this position, or none.
    virtual void choose(std::optional<std::size_t> entry) = 0;
};

// Screen readers hear of a description only when it changes: one they were told already is
// noise in the middle of what they say. The one rule for a control's widget and for a window.
template <typename Described>
void describe(Described& described, const std::string& description) {
    if (described.description() != description) {
        described.setDescription(description);
    }
}

class Control {
  public:
    Control(const ControlPlan& plan, ControlWidget& widget) : plan_(&plan), widget_(&widget) {}

    std::string text() const;
    void setText(const std::string& text);
    void setCaption(const std::string& caption);
    void setBackColor(Colour colour);
    void setForeColor(Colour colour);
    void setDescription(const std::string& description);
    void setFocus();
    void addItem(const std::string& item);

  private:
    const ControlPlan* plan_;
    ControlWidget* widget_;
};

}  // namespace quantaro
