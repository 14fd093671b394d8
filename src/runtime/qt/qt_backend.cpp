// Windows, message boxes and program end on Qt.
#include "runtime/qt/qt_backend.h"

#include <QCoreApplication>
#include <QMessageBox>

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

}  // namespace

std::unique_ptr<Window> QtBackend::createWindow(const FormLayout& layout, WindowEvents& events) {
    return std::make_unique<QtWindow>(layout, events);
}

void QtBackend::messageBox(const std::string& prompt, MessageIcon icon, const std::string& title) {
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::Ok);
    // A prompt is shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtBackend::quit() {
    // Queued, so that an End before the loop runs still ends it, and a handler that ends the
    // program returns through Qt's frames before the loop stops.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

}  // namespace quantaro
