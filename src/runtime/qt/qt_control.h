// One control of a loaded window over its Qt widget, and the factory that builds the widget of
// each control kind from its row of the layout table. The widget belongs to its parent widget,
// as Qt's ownership goes; this object only speaks for it. A property that a kind lacks raises
// the runtime's "doesn't support" error. It does not wire buttons to the program's handlers or
// order the tab chain: the window does that for all of its controls at once.
#pragma once

#include <QPalette>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/layout.h"
#include "runtime/qt/qt_scale.h"

namespace quantaro {

// The palette roles that a widget kind paints its background and its text with.
struct PaletteRoles {
    std::vector<QPalette::ColorRole> back;
    std::vector<QPalette::ColorRole> fore;
};

class QtControl : public Control {
  public:
    QtControl(const ControlLayout& layout, QWidget& widget, PaletteRoles roles);

    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    void setFocus() override;
    void addItem(const std::string& item) override;

    const ControlLayout& layout() const { return layout_; }
    QWidget& widget() const { return widget_; }

  private:
    void paint(const std::vector<QPalette::ColorRole>& roles, Colour colour);

    const ControlLayout& layout_;
    QWidget& widget_;
    PaletteRoles roles_;
};

// Builds the control's widget as a child of parent, at its place relative to parent.
std::unique_ptr<QtControl> createControl(const ControlLayout& layout, QWidget& parent,
                                         const TwipScale& scale);

}  // namespace quantaro
