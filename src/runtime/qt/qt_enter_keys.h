// The frame and the drop-down list as widgets that leave Enter to their window, which presses
// the default button with it, or the button with the focus. Under some platform themes (GTK's,
// which GNOME, Xfce and Cinnamon load) a group box takes Enter as the press of a check box it
// does not have, and a combo box opens its list with it; the keys that decide what Enter does
// are then the theme's, not the window's. These widgets do not change any other key.
#pragma once

#include <QComboBox>
#include <QGroupBox>

namespace quantaro {

class QtFrameBox final : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    bool event(QEvent* event) override;
};

// The list still opens with Space, Alt+Down and a click.
class QtListBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void keyPressEvent(QKeyEvent* key) override;
};

}  // namespace quantaro
