// One control of a loaded window over its Qt widget, and the factory that builds the widget of
// each control kind from its place in the window's plan. The widget belongs to its parent
// widget, as Qt's ownership goes; this object only speaks for it. It does not wire buttons to
// the program's handlers or order the tab chain: the window does that for all of its controls.
#pragma once

#include <QPalette>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/layout_plan.h"

namespace quantaro {

// The palette roles that a widget kind paints its background and its text with.
struct PaletteRoles {
    std::vector<QPalette::ColorRole> back;
    std::vector<QPalette::ColorRole> fore;
};

class QtControl : public ControlWidget {
  public:
    QtControl(QWidget& widget, PaletteRoles roles);

    // The runtime asks a kind only for what it has; these serve the kinds that have them.
    std::string text() const override;
    void setText(const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void addItem(const std::string& item) override;
    std::vector<std::string> items() const override;
    void choose(std::optional<std::size_t> entry) override;

    void setBackColor(Colour colour) override;
    void setForeColor(Colour colour) override;
    std::string description() const override;
    void setDescription(const std::string& description) override;
    void setFocus() override;

    QWidget& widget() const { return widget_; }

  private:
    friend std::unique_ptr<QtControl> createControl(const ControlPlan& plan, QWidget& parent);
    void paint(const std::vector<QPalette::ColorRole>& roles, Colour colour);
    void paintFore();

    QWidget& widget_;
    PaletteRoles roles_;
    // The colours the program gave it, which the theme's rule turns into the ones drawn: the
    // text's depends on the background it stands on. Until given one, the palette's text stays.
    Colour back_ = colours::buttonFace;
    std::optional<Colour> fore_;
};

// Builds the control's widget as a child of parent, at its place in parent.
std::unique_ptr<QtControl> createControl(const ControlPlan& plan, QWidget& parent);

}  // namespace quantaro
