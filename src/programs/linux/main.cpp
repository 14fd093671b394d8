// The Linux program: its command line, then a display to show windows on, then Qt's application
// object, the program's start on the Qt back end, and Qt's event loop until the last window
// closes or Exit ends it.
#include <QApplication>
#include <iostream>
#include <memory>

#include "programs/linux/command_line.h"
#include "programs/linux/qt_display_check.h"
#include "programs/linux/qt_platform_watch.h"
#include "programs/linux/qt_start_up.h"

int main(int argc, char* argv[]) {
    if (const auto status = quantaro::answerCommandLine(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    if (const auto message = quantaro::missingDisplayMessage(argc, argv)) {
        std::cerr << *message << '\n';
        return 1;
    }
    // Qt takes its own options out of the arguments as it starts.
    const auto qtApplication = [&] {
        const quantaro::QtPlatformWatch watch(quantaro::platformsToTry(argc, argv));
        return std::make_unique<QApplication>(argc, argv);
    }();
    // A platform may start with no screen at all (a frame buffer that is not there).
    if (QGuiApplication::primaryScreen() == nullptr) {
        std::cerr << "quantaro: no display to show the window on: the platform '"
                  << QGuiApplication::platformName().toStdString() << "' has no screen\n";
        return 1;
    }
    const quantaro::QtStartUp program;
    return QApplication::exec();
}
