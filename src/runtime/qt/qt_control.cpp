// The widgets behind each control kind: frames are group boxes, labels and the picture are
// labels, text boxes are line edits, the drop-down list is a combo box that cannot be edited.
#include "runtime/qt/qt_control.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "runtime/qt/qt_colour.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_text.h"
#include "runtime/run_time_error.h"

namespace quantaro {

namespace {

const PaletteRoles surfaceRoles{{QPalette::Window}, {QPalette::WindowText}};
const PaletteRoles editRoles{{QPalette::Base}, {QPalette::Text}};
const PaletteRoles buttonRoles{{QPalette::Button}, {QPalette::ButtonText}};
// A closed drop-down list is drawn like a button, its open list like an edit.
const PaletteRoles listRoles{{QPalette::Button, QPalette::Base},
                             {QPalette::ButtonText, QPalette::Text}};

class QtTextBox final : public QtControl {
  public:
    QtTextBox(const ControlLayout& layout, QLineEdit& edit)
        : QtControl(layout, edit, editRoles), edit_(edit) {}

    std::string text() const override { return edit_.text().toStdString(); }
    void setText(const std::string& text) override { edit_.setText(QString::fromStdString(text)); }

  private:
    QLineEdit& edit_;
};

class QtDropDownList final : public QtControl {
  public:
    QtDropDownList(const ControlLayout& layout, QComboBox& list)
        : QtControl(layout, list, listRoles), list_(list) {}

    std::string text() const override {
        return list_.currentIndex() < 0 ? std::string() : list_.currentText().toStdString();
    }
    // The list's text is always one of its entries, or empty when none is chosen.
    void setText(const std::string& text) override {
        if (text.empty()) {
            list_.setCurrentIndex(-1);
            return;
        }
        const int entry = list_.findText(QString::fromStdString(text), Qt::MatchExactly);
        if (entry < 0) {
            throw RunTimeError::invalidArgument();
        }
        list_.setCurrentIndex(entry);
    }
    void addItem(const std::string& item) override {
        // Qt chooses the first entry added to an empty list; the program's lists start with
        // nothing chosen, and appending never changes a choice.
        const int chosen = list_.currentIndex();
        list_.addItem(QString::fromStdString(item));
        list_.setCurrentIndex(chosen);
    }

  private:
    QComboBox& list_;
};

void setCaptionOf(QGroupBox& frame, const QString& caption) {
    frame.setTitle(caption);
}
void setCaptionOf(QLabel& label, const QString& caption) {
    label.setText(caption);
}
void setCaptionOf(QPushButton& button, const QString& caption) {
    button.setText(caption);
}

template <class Widget>
class QtCaptioned final : public QtControl {
  public:
    QtCaptioned(const ControlLayout& layout, Widget& widget, PaletteRoles roles)
        : QtControl(layout, widget, std::move(roles)), widget_(widget) {}

    void setCaption(const std::string& caption) override {
        setCaptionOf(widget_, QString::fromStdString(caption));
    }

  private:
    Widget& widget_;
};

// Widgets are created with their parent, which owns them from then on.

std::unique_ptr<QtControl> createFrame(const ControlLayout& layout, QWidget& parent) {
    auto* frame = new QGroupBox(qtText(layout.caption), &parent);
    frame->setFocusPolicy(Qt::NoFocus);
    return std::make_unique<QtCaptioned<QGroupBox>>(layout, *frame, surfaceRoles);
}

// The table's label widths fit a small dialog font; the platform's default font may be wider.
// A word is never cut: a label widens, from its left edge, to its longest word.
void widenToLongestWord(QLabel& label) {
    const QFontMetrics metrics(label.font());
    int widest = 0;
    for (const QString& word : label.text().split(' ', Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    if (widest > label.width()) {
        label.resize(widest, label.height());
    }
}

std::unique_ptr<QtControl> createLabel(const ControlLayout& layout, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(qtText(layout.caption));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    auto control = std::make_unique<QtCaptioned<QLabel>>(layout, *label, surfaceRoles);
    control->setForeColor(layout.foreColor);
    return control;
}

std::unique_ptr<QtControl> createTextBox(const ControlLayout& layout, QWidget& parent) {
    auto* edit = new QLineEdit(&parent);
    if (layout.kind == ControlKind::ReadOnlyTextBox) {
        // Read-only still selects and copies, and still takes the focus.
        edit->setReadOnly(true);
    }
    edit->setFocusPolicy(Qt::StrongFocus);
    return std::make_unique<QtTextBox>(layout, *edit);
}

std::unique_ptr<QtControl> createDropDownList(const ControlLayout& layout, QWidget& parent) {
    auto* list = new QComboBox(&parent);
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    return std::make_unique<QtDropDownList>(layout, *list);
}

std::unique_ptr<QtControl> createButton(const ControlLayout& layout, QWidget& parent) {
    auto* button = new QPushButton(qtText(layout.caption), &parent);
    button->setFocusPolicy(Qt::StrongFocus);
    return std::make_unique<QtCaptioned<QPushButton>>(layout, *button, buttonRoles);
}

std::unique_ptr<QtControl> createPicture(const ControlLayout& layout, QWidget& parent) {
    auto* picture = new QLabel(&parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignCenter);
    // A picture takes the focus in its turn, though it does nothing with keys.
    picture->setFocusPolicy(Qt::StrongFocus);
    return std::make_unique<QtControl>(layout, *picture, surfaceRoles);
}

// 32 pixels at 96 dots per inch.
constexpr Twips pictureTwips = 480;

std::unique_ptr<QtControl> createWidget(const ControlLayout& layout, QWidget& parent) {
    switch (layout.kind) {
        case ControlKind::Frame:
            return createFrame(layout, parent);
        case ControlKind::Label:
            return createLabel(layout, parent);
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox:
            return createTextBox(layout, parent);
        case ControlKind::DropDownList:
            return createDropDownList(layout, parent);
        case ControlKind::Button:
            return createButton(layout, parent);
        case ControlKind::Picture:
            return createPicture(layout, parent);
    }
    throw std::logic_error("control " + std::string(layout.name) + " has no known kind");
}

}  // namespace

QtControl::QtControl(const ControlLayout& layout, QWidget& widget, PaletteRoles roles)
    : layout_(layout), widget_(widget), roles_(std::move(roles)) {}

std::string QtControl::text() const {
    throw RunTimeError::notSupported();
}

void QtControl::setText(const std::string&) {
    throw RunTimeError::notSupported();
}

void QtControl::setCaption(const std::string&) {
    throw RunTimeError::notSupported();
}

void QtControl::addItem(const std::string&) {
    throw RunTimeError::notSupported();
}

void QtControl::setBackColor(Colour colour) {
    // Window-coloured widgets are see-through until told to paint their own background.
    if (roles_.back.front() == QPalette::Window) {
        widget_.setAutoFillBackground(true);
    }
    paint(roles_.back, colour);
}

void QtControl::setForeColor(Colour colour) {
    paint(roles_.fore, colour);
}

void QtControl::paint(const std::vector<QPalette::ColorRole>& roles, Colour colour) {
    const QColor resolved = qtColour(colour);
    QPalette palette = widget_.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, resolved);
    }
    widget_.setPalette(palette);
}

void QtControl::setFocus() {
    if (widget_.focusPolicy() == Qt::NoFocus) {
        throw RunTimeError::notSupported();
    }
    widget_.setFocus(Qt::OtherFocusReason);
}

std::unique_ptr<QtControl> createControl(const ControlLayout& layout, QWidget& parent,
                                         const TwipScale& scale) {
    std::unique_ptr<QtControl> control = createWidget(layout, parent);
    QWidget& widget = control->widget();
    widget.setObjectName(qtText(layout.name));
    widget.setGeometry(scale.rect(layout.left, layout.top, layout.width, layout.height));
    if (layout.kind == ControlKind::Picture) {
        // A picture shows the 32-pixel icon of a 96 dpi screen, grown with the screen as the
        // layout is, and sizes itself to it and its border, whatever the table's size says.
        auto& picture = static_cast<QLabel&>(widget);
        const int size = scale.pixels(pictureTwips);
        picture.setPixmap(programPicture(size, picture.devicePixelRatioF()));
        const int border = picture.frameWidth();
        widget.resize(QSize(size, size) + QSize(2 * border, 2 * border));
    }
    if (layout.kind == ControlKind::Label) {
        widenToLongestWord(static_cast<QLabel&>(widget));
    }
    if (!layout.accessibleName.empty()) {
        widget.setAccessibleName(qtText(layout.accessibleName));
    }
    return control;
}

}  // namespace quantaro
