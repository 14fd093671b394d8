// The picture's border, and its focus rectangle drawn over the icon.
#include "runtime/qt/qt_picture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace quantaro {

QtPicture::QtPicture(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
}

void QtPicture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect focusRect;
        focusRect.initFrom(this);
        focusRect.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focusRect, &painter, this);
    }
}

}  // namespace quantaro
