// The widgets behind each control kind: frames are group boxes, labels and the picture are
// labels, text boxes are line edits, the drop-down list is a combo box that cannot be edited.
#include "runtime/qt/qt_control.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <stdexcept>

#include "runtime/contrast_paint.h"
#include "runtime/qt/qt_accessible_list.h"
#include "runtime/qt/qt_colour.h"
#include "runtime/qt/qt_enter_keys.h"
#include "runtime/qt/qt_picture.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_text.h"

namespace quantaro {

namespace {

const PaletteRoles surfaceRoles{{QPalette::Window}, {QPalette::WindowText}};
const PaletteRoles editRoles{{QPalette::Base}, {QPalette::Text}};
const PaletteRoles buttonRoles{{QPalette::Button}, {QPalette::ButtonText}};
// A closed drop-down list is drawn like a button, its open list like an edit.
const PaletteRoles listRoles{{QPalette::Button, QPalette::Base},
                             {QPalette::ButtonText, QPalette::Text}};

// A widget's accessible description, as the runtime's describe reads and gives it. Qt tells
// screen readers of every description it is given, a changed one or not.
struct AccessibleDescription {
    QWidget& widget;
    std::string description() const { return widget.accessibleDescription().toStdString(); }
    void setDescription(const std::string& description) {
        widget.setAccessibleDescription(QString::fromStdString(description));
    }
};

class QtTextBox final : public QtControl {
  public:
    explicit QtTextBox(QLineEdit& edit) : QtControl(edit, editRoles), edit_(edit) {}

    std::string text() const override { return edit_.text().toStdString(); }
    void setText(const std::string& text) override { edit_.setText(QString::fromStdString(text)); }

  private:
    QLineEdit& edit_;
};

class QtDropDownList final : public QtControl {
  public:
    explicit QtDropDownList(QComboBox& list) : QtControl(list, listRoles), list_(list) {}

    std::string text() const override {
        return list_.currentIndex() < 0 ? std::string() : list_.currentText().toStdString();
    }
    std::vector<std::string> items() const override {
        std::vector<std::string> entries;
        for (int entry = 0; entry < list_.count(); ++entry) {
            entries.push_back(list_.itemText(entry).toStdString());
        }
        return entries;
    }
    void choose(std::optional<std::size_t> entry) override {
        list_.setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
    }
    void addItem(const std::string& item) override {
        // Qt chooses the first entry added to an empty list; the program's lists start with
        // nothing chosen, and appending never changes a choice, not even for a moment that
        // screen readers would be told of.
        const QSignalBlocker quiet(list_);
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
    QtCaptioned(Widget& widget, PaletteRoles roles)
        : QtControl(widget, std::move(roles)), widget_(widget) {}

    void setCaption(const std::string& caption) override {
        setCaptionOf(widget_, QString::fromStdString(caption));
    }

  private:
    Widget& widget_;
};

// Each widget is made with its parent, which owns it from then on; the QtControl made with it
// only speaks for it, and may go first.
std::unique_ptr<QtControl> createFrame(const ControlLayout& row, QWidget& parent) {
    auto* frame = new QtFrameBox(qtText(row.caption), &parent);
    return std::make_unique<QtCaptioned<QGroupBox>>(*frame, surfaceRoles);
}

std::unique_ptr<QtControl> createLabel(const ControlLayout& row, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(qtText(row.caption));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return std::make_unique<QtCaptioned<QLabel>>(*label, surfaceRoles);
}

std::unique_ptr<QtControl> createTextBox(const ControlLayout& row, QWidget& parent) {
    auto* edit = new QLineEdit(&parent);
    // Read-only still selects and copies, and still takes the focus.
    edit->setReadOnly(row.kind == ControlKind::ReadOnlyTextBox);
    return std::make_unique<QtTextBox>(*edit);
}

std::unique_ptr<QtControl> createDropDownList(const ControlLayout&, QWidget& parent) {
    auto* list = new QtListBox(&parent);
    list->setEditable(false);
    keepAccessibleName(*list);
    // The chosen entry is the list's description as well, for screen readers that speak a new
    // description but not a combo box's new value (Orca hears Qt 6.4's descriptions as objects:
    // it follows the focus the list hands the chosen entry). Windows' speak the value itself.
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int entry) {
        AccessibleDescription described{*list};
        describe(described, entry < 0 ? std::string() : list->itemText(entry).toStdString());
    });
    return std::make_unique<QtDropDownList>(*list);
}

std::unique_ptr<QtControl> createButton(const ControlLayout& row, QWidget& parent) {
    auto* button = new QPushButton(qtText(row.caption), &parent);
    return std::make_unique<QtCaptioned<QPushButton>>(*button, buttonRoles);
}

std::unique_ptr<QtControl> createPicture(const ControlLayout&, QWidget& parent) {
    auto* picture = new QtPicture(&parent);
    return std::make_unique<QtControl>(*picture, surfaceRoles);
}

std::unique_ptr<QtControl> createWidget(const ControlLayout& row, QWidget& parent) {
    switch (row.kind) {
        case ControlKind::Frame:
            return createFrame(row, parent);
        case ControlKind::Label:
            return createLabel(row, parent);
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox:
            return createTextBox(row, parent);
        case ControlKind::DropDownList:
            return createDropDownList(row, parent);
        case ControlKind::Button:
            return createButton(row, parent);
        case ControlKind::Picture:
            return createPicture(row, parent);
    }
    throw std::logic_error("control " + std::string(row.name) + " has no known kind");
}

// The runtime never asks a kind for a property it lacks; reaching one of these is a fault of
// the back end.
std::logic_error notReached(const char* property) {
    return std::logic_error(std::string("Qt back end: ") + property + " of a kind without it");
}

}  // namespace

QtControl::QtControl(QWidget& widget, PaletteRoles roles)
    : widget_(widget), roles_(std::move(roles)) {}

std::string QtControl::text() const {
    throw notReached("Text");
}

void QtControl::setText(const std::string&) {
    throw notReached("Text");
}

void QtControl::setCaption(const std::string&) {
    throw notReached("Caption");
}

void QtControl::addItem(const std::string&) {
    throw notReached("AddItem");
}

std::vector<std::string> QtControl::items() const {
    throw notReached("the entries");
}

void QtControl::choose(std::optional<std::size_t>) {
    throw notReached("the chosen entry");
}

void QtControl::setBackColor(Colour colour) {
    // Window-coloured widgets are see-through until told to paint their own background.
    if (roles_.back.front() == QPalette::Window) {
        widget_.setAutoFillBackground(true);
    }
    back_ = colour;
    paint(roles_.back, controlPaint(back_, fore_.value_or(colours::buttonText), qtTheme()).back);
    paintFore();
}

void QtControl::setForeColor(Colour colour) {
    fore_ = colour;
    paintFore();
}

void QtControl::paintFore() {
    if (fore_) {
        paint(roles_.fore, controlPaint(back_, *fore_, qtTheme()).fore);
    }
}

void QtControl::paint(const std::vector<QPalette::ColorRole>& roles, Colour colour) {
    const QColor resolved = qtColour(colour);
    QPalette palette = widget_.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, resolved);
    }
    widget_.setPalette(palette);
}

std::string QtControl::description() const {
    return AccessibleDescription{widget_}.description();
}

void QtControl::setDescription(const std::string& description) {
    AccessibleDescription{widget_}.setDescription(description);
}

void QtControl::setFocus() {
    widget_.setFocus(Qt::OtherFocusReason);
}

std::unique_ptr<QtControl> createControl(const ControlPlan& plan, QWidget& parent) {
    const ControlLayout& row = *plan.row;
    std::unique_ptr<QtControl> control = createWidget(row, parent);
    QWidget& widget = control->widget();
    widget.setObjectName(qtText(row.name));
    const PixelRect& place = plan.inContainer;
    widget.setGeometry(place.left, place.top, place.width, place.height);
    widget.setFocusPolicy(plan.abilities.takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (row.kind == ControlKind::Picture) {
        // The icon fills the picture inside its border, drawn at the screen's pixel ratio.
        auto& picture = static_cast<QLabel&>(widget);
        const int size = place.width - 2 * picture.frameWidth();
        picture.setPixmap(programPicture(size, picture.devicePixelRatioF()));
    }
    if (row.kind == ControlKind::Label) {
        // The one kind whose text colour the table may set; the others keep the palette's.
        control->back_ = plan.backColour;
        control->setForeColor(plan.foreColour);
        if (plan.textCentred) {
            static_cast<QLabel&>(widget).setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    if (!plan.accessibleName.empty()) {
        widget.setAccessibleName(QString::fromStdString(plan.accessibleName));
    }
    return control;
}

}  // namespace quantaro
