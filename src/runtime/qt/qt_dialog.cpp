// Keyboard conventions, lines and close requests of a loaded window.
#include "runtime/qt/qt_dialog.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "runtime/qt/qt_colour.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_taskbar.h"
#include "runtime/qt/qt_text.h"

namespace quantaro {

namespace {

Qt::WindowFlags flagsFor(const FormLayout& layout) {
    // A tool window has no taskbar entry of its own and keeps its close button; without a
    // parent it has no owner either.
    const Qt::WindowFlags type = layout.showInTaskbar ? Qt::Window : Qt::Tool;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

}  // namespace

QtDialog::QtDialog(const FormLayout& layout, WindowEvents& events, const TwipScale& scale)
    : QDialog(nullptr, flagsFor(layout)), events_(&events) {
    setObjectName(qtText(layout.name));
    setWindowTitle(qtText(layout.caption));
    setWindowIcon(programIcon());
    setFixedSize(scale.pixels(layout.clientWidth), scale.pixels(layout.clientHeight));
    if (!layout.showInTaskbar) {
        keepOffTaskbar(*this);
    }

    for (const LineLayout& line : layout.lines) {
        const QLineF path(scale.pixels(line.x1), scale.pixels(line.y1), scale.pixels(line.x2),
                          scale.pixels(line.y2));
        if (path.length() == 0) {
            continue;
        }
        // A wide line thickens below and to the right of its end points, so that a pair of
        // lines one pixel apart shows both colours; Qt would centre it on them instead.
        const double shift = (line.widthPixels - 1) / 2.0;
        const QPointF across = QPointF(std::abs(path.dy()), std::abs(path.dx())) / path.length();
        // Flat ends stop short of the last point: a line covers the pixels from its first
        // point up to, not onto, its last.
        lines_.push_back(
            {path.translated(across * shift),
             QPen(qtColour(line.colour), line.widthPixels, Qt::SolidLine, Qt::FlatCap)});
    }
}

void QtDialog::addButton(QPushButton& button, const ControlLayout& layout) {
    // Enter clicks the button with the focus, and the default button when the focus is
    // elsewhere; Qt's dialogs do this for auto-default buttons.
    button.setAutoDefault(true);
    button.setDefault(layout.role == ButtonRole::Default ||
                      layout.role == ButtonRole::DefaultAndCancel);
    if (layout.role == ButtonRole::Cancel || layout.role == ButtonRole::DefaultAndCancel) {
        cancelButton_ = &button;
    }
    connect(&button, &QPushButton::clicked, this, [this, name = layout.name] {
        if (events_ != nullptr) {
            events_->clicked(name);
        }
    });
}

void QtDialog::discard() {
    events_ = nullptr;
    hide();
    deleteLater();
}

void QtDialog::reject() {
    if (cancelButton_ != nullptr) {
        cancelButton_->click();
    }
}

void QtDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Line& line : lines_) {
        painter.setPen(line.pen);
        painter.drawLine(line.path);
    }
}

void QtDialog::closeEvent(QCloseEvent* event) {
    // The window stays until the program unloads its form, which discards this dialog.
    event->ignore();
    if (events_ != nullptr) {
        events_->closeRequested();
    }
}

}  // namespace quantaro
