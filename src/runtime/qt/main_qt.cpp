// The Linux program: its command line, then a display to show windows on, then Qt's application
// object, the program's start on the Qt back end, and Qt's event loop until the last window
// closes or Exit ends it.
#include <QApplication>
#include <iostream>

#include "runtime/qt/command_line.h"
#include "runtime/qt/qt_display_check.h"
#include "runtime/qt/qt_start_up.h"

int main(int argc, char* argv[]) {
    if (const auto status = quantaro::answerCommandLine(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    if (const auto message = quantaro::missingDisplayMessage(argc, argv)) {
        std::cerr << *message << '\n';
        return 1;
    }
    QApplication qtApplication(argc, argv);
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
