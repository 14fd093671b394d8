// Keyboard conventions, lines, placement and close requests of a loaded window.
#include "runtime/qt/qt_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "runtime/qt/qt_backend.h"
#include "runtime/qt/qt_colour.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_taskbar.h"
#include "runtime/qt/qt_text.h"

namespace quantaro {

namespace {

// Every window of the program is an ordinary top-level window with a title bar and a close
// button, and no other buttons; windows that a window manager keeps above their application's
// others (tool windows, dialogs with a parent) would keep the converter window behind About.
constexpr Qt::WindowFlags topLevelFlags = Qt::Window | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowCloseButtonHint;

}  // namespace

QtDialog::QtDialog(const LayoutPlan& plan, WindowEvents& events)
    : QDialog(nullptr, topLevelFlags),
      plan_(plan),
      events_(&events),
      onTaskbar_(plan.layout().showInTaskbar) {
    const FormLayout& layout = plan.layout();
    setObjectName(qtText(layout.name));
    setWindowTitle(qtText(layout.caption));
    setWindowIcon(programIcon());
    setFixedSize(plan.clientSize().width, plan.clientSize().height);
    if (plan.textScale() != 1) {
        // A screen without room for the window as large as its font would make it.
        setFont(QtBackend::labelFont(plan.textScale()));
    }
    // The tables place every control from the left, and the texts are English: a window Qt
    // mirrored for a right-to-left language would mirror some controls' insides only.
    setLayoutDirection(Qt::LeftToRight);
    if (!onTaskbar_) {
        keepOffTaskbar(*this);
    }
}

void QtDialog::showInTaskbar() {
    if (!onTaskbar_) {
        onTaskbar_ = true;
        putOnTaskbar(*this);
    }
}

void QtDialog::addButton(QPushButton& button, std::size_t control) {
    // Enter clicks the button with the focus, and the default button when the focus is
    // elsewhere; Qt's dialogs do this for auto-default buttons.
    button.setAutoDefault(true);
    button.setDefault(plan_.defaultButton() == control);
    if (plan_.cancelButton() == control) {
        cancelButton_ = &button;
    }
    const std::string_view name = plan_.control(control).row->name;
    connect(&button, &QPushButton::clicked, this, [this, name] {
        if (events_ != nullptr) {
            events_->clicked(name);
        }
    });
}

void QtDialog::centreOnScreen() {
    framePlaced_ = false;
    placeFrame();
}

void QtDialog::placeFrame() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect work = screen->availableGeometry();
    // Before the window manager has framed the window, its frame is the window itself.
    const QRect frame = frameGeometry();
    const PixelRect place = centredIn({work.x(), work.y(), work.width(), work.height()},
                                      {frame.width(), frame.height()});
    move(place.left, place.top);
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
    if (!framePlaced_) {
        // By the first paint the window is on the screen, framed by the window manager.
        framePlaced_ = true;
        placeFrame();
    }
    QPainter painter(this);
    for (const LinePlan& line : plan_.lines()) {
        painter.fillRect(line.area.left, line.area.top, line.area.width, line.area.height,
                         qtColour(lineColour(line.colour, qtTheme())));
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
