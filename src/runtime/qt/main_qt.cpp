// The Linux program: Qt's application object, the Qt back end, the platform's services (the
// user's decimal separator among them), then the program's own start-up and Qt's event loop.
#include <QApplication>
#include <QIcon>

#include "app/start_up.h"
#include "runtime/app_facts.h"
#include "runtime/application.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/qt/qt_program_icon.h"
#include "runtime/qt/qt_text.h"
#include "runtime/system_services.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(quantaro::qtText(quantaro::app::Title));
    QApplication::setWindowIcon(QIcon(quantaro::programIcon()));
    // The program ends with its last loaded form or at End, which the runtime decides; a
    // hidden window is not an ended one.
    QApplication::setQuitOnLastWindowClosed(false);

    quantaro::QtBackend backend;
    quantaro::Application application(backend, quantaro::platformServices());
    quantaro::startUp(application);
    return QApplication::exec();
}
