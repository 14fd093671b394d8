// The Linux program's start, shared by its main and the start-up benchmark.
#include "programs/linux/qt_start_up.h"

#include <QApplication>
#include <QIcon>

#include "app/start_up.h"
#include "runtime/app_facts.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_text.h"
#include "runtime/system_services.h"

namespace quantaro {

namespace {

// Runs before the runtime exists, so that its first window already finds name and icon.
QtBackend& prepareApplication(QtBackend& backend) {
    QApplication::setApplicationName(qtText(app::Title));
    QApplication::setWindowIcon(programIcon());
    // The installed desktop entry's name: desktops match the program's windows to the entry
    // (Wayland's application ID, the X11 hints Qt sets from it) and show its name and icon.
    QApplication::setDesktopFileName(QStringLiteral(QUANTARO_APP_ID));
    // The program ends with its last loaded form or at End, which the runtime decides; a
    // hidden window is not an ended one.
    QApplication::setQuitOnLastWindowClosed(false);
    return backend;
}

}  // namespace

QtStartUp::QtStartUp() : application_(prepareApplication(backend_), platformServices()) {
    startUp(application_);
}

}  // namespace quantaro
