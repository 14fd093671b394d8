// Enter passed on from a frame and from the drop-down list to the window.
#include "runtime/qt/qt_enter_keys.h"

#include <QKeyEvent>

namespace quantaro {

bool QtFrameBox::event(QEvent* event) {
    // A frame without a check box has no key of its own: its controls' unused keys go on to
    // the window, as from any other widget.
    if (!isCheckable() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        return QWidget::event(event);
    }
    return QGroupBox::event(event);
}

void QtListBox::keyPressEvent(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        key->ignore();
        return;
    }
    QComboBox::keyPressEvent(key);
}

}  // namespace quantaro
