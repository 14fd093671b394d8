// Windows, message boxes and program end on Qt.
#include "runtime/qt/qt_backend.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <cmath>
#include <stdexcept>

#include "runtime/accepted_dpi.h"
#include "runtime/qt/qt_text.h"
#include "runtime/qt/qt_window.h"

namespace quantaro {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The application's font is the platform theme's (GTK's from its settings, for one); a
// desktop may give it in pixels rather than points.
double pointsOf(const QFont& font, double dotsPerInch) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / dotsPerInch;
}

// The room a window manager's frame takes around a window: that of a window already framed, else
// as much as common ones take, a title bar and a border each side.
PixelSize frameRoom(double dotsPerInch) {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        const QRect frame = window->frameGeometry();
        if (window->isVisible() && frame.size() != window->size()) {
            return {frame.width() - window->width(), frame.height() - window->height()};
        }
    }
    const double scale = dotsPerInch / 96;
    return {static_cast<int>(std::lround(16 * scale)), static_cast<int>(std::lround(48 * scale))};
}

}  // namespace

ScreenFacts QtBackend::screenFacts() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        throw std::runtime_error("there is no screen to show a window on");
    }
    // The resolution comes from the user's settings (Xft.dpi, QT_FONT_DPI), which may be one no
    // screen has; the window is planned for the nearest one a screen has, as on Windows.
    const double dotsPerInch = acceptedDpi(screen->logicalDotsPerInch());
    const QSize work = screen->availableGeometry().size();
    const PixelSize frame = frameRoom(dotsPerInch);
    return {.dotsPerInch = dotsPerInch,
            .textSize = labelTextSize(),
            .fontPoints = pointsOf(QApplication::font(), dotsPerInch),
            .room = {work.width() - frame.width, work.height() - frame.height}};
}

std::function<PixelSize(std::string_view text, double textScale)> QtBackend::labelTextSize() {
    // Qt lays text out in fractions of a pixel: a word fits in the next whole one.
    return [metrics = QFontMetricsF(labelFont(1))](std::string_view text, double textScale) {
        const QFontMetricsF scaled = textScale == 1 ? metrics : QFontMetricsF(labelFont(textScale));
        return PixelSize{static_cast<int>(std::ceil(scaled.horizontalAdvance(qtText(text)))),
                         static_cast<int>(std::ceil(scaled.lineSpacing()))};
    };
}

QFont QtBackend::labelFont(double textScale) {
    QFont font = QApplication::font("QLabel");
    if (textScale != 1) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * textScale);
        } else {
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * textScale)));
        }
    }
    return font;
}

std::unique_ptr<Window> QtBackend::createWindow(const LayoutPlan& plan, WindowEvents& events) {
    return std::make_unique<QtWindow>(plan, events);
}

void QtBackend::messageBox(const std::string& prompt, MessageIcon icon, const std::string& title,
                           Window* owner) {
    QWidget* const parent = owner != nullptr ? &static_cast<QtWindow*>(owner)->dialog() : nullptr;
    // On the heap: a window discarded while the box is up (its deletion is posted, and the box's
    // loop runs posted events) deletes the box with its other children, which a box on the
    // stack would not survive. The guard then finds it gone.
    const QPointer<QMessageBox> box =
        new QMessageBox(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(prompt),
                        QMessageBox::Ok, parent);
    // Where a parent makes a box modal to its window only (a sheet), no window of the program
    // would be kept from input; none may take any while the box is up.
    box->setWindowModality(Qt::ApplicationModal);
    // A prompt is shown as written, never read as markup.
    box->setTextFormat(Qt::PlainText);
    // Like the windows it speaks for (qt_dialog.cpp).
    box->setLayoutDirection(Qt::LeftToRight);
    box->exec();
    delete box.data();
}

void QtBackend::quit(int exitStatus) {
    // Queued, so that an End before the loop runs still ends it, and a handler that ends the
    // program returns through Qt's frames before the loop stops.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitStatus] { QCoreApplication::exit(exitStatus); },
        Qt::QueuedConnection);
}

}  // namespace quantaro
