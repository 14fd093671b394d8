// The About window's picture: the program icon in a sunken border. Unlike a plain label it
// shows the focus it takes in its turn in the Tab chain. It does not load the icon; its creator
// sets it.
#pragma once

#include <QLabel>

namespace quantaro {

class QtPicture final : public QLabel {
  public:
    explicit QtPicture(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quantaro
