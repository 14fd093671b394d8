// The Linux program: Qt's application object, the program's start on the Qt back end, then
// Qt's event loop until the last window closes or Exit ends it.
#include <QApplication>
#include <cstdio>

#include "runtime/qt/qt_display_check.h"
#include "runtime/qt/qt_start_up.h"

int main(int argc, char* argv[]) {
    if (const auto message = quantaro::missingDisplayMessage(argc, argv)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 1;
    }
    QApplication qtApplication(argc, argv);
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
