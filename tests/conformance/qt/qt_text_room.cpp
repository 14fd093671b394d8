// Labels wrap their caption in their contents; a button's style adds its bevel and margins to
// the caption (the size it asks for is the caption's plus these); line edits and the combo box
// draw one line of text in their style's text field.
#include "conformance/qt/qt_text_room.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <stdexcept>

namespace quantaro::testing {

namespace {

WindowDriver::TextRoom roomOf(QSize text, QRect room) {
    return {text.width(), text.height(), room.width(), room.height()};
}

WindowDriver::TextRoom labelRoom(const QLabel& label) {
    const QRect room = label.contentsRect();
    const int flags = Qt::TextWordWrap | static_cast<int>(label.alignment());
    return roomOf(label.fontMetrics().boundingRect(room, flags, label.text()).size(), room);
}

WindowDriver::TextRoom buttonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (button.autoDefault()) {
        option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    const QSize needed =
        button.style()->sizeFromContents(QStyle::CT_PushButton, &option, text, &button);
    return roomOf(text, QRect(QPoint(0, 0), button.size() - (needed - text)));
}

// A line edit clips its line to its contents, less its text margins and two pixels each side.
WindowDriver::TextRoom editRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QRect room = contents.marginsRemoved(edit.textMargins()).adjusted(2, 0, -2, 0);
    const QFontMetrics metrics = edit.fontMetrics();
    return roomOf({metrics.horizontalAdvance(edit.text()), metrics.height()}, room);
}

WindowDriver::TextRoom listRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = false;
    option.currentText = list.currentText();
    const QRect room = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &list);
    const QFontMetrics metrics = list.fontMetrics();
    return roomOf({metrics.horizontalAdvance(list.currentText()), metrics.height()}, room);
}

}  // namespace

WindowDriver::TextRoom textRoomOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return labelRoom(*label);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return buttonRoom(*button);
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return editRoom(*edit);
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        return listRoom(*list);
    }
    throw std::logic_error(widget.objectName().toStdString() + " shows no text");
}

}  // namespace quantaro::testing
