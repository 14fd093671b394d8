// The watch as a Qt message handler: Qt has one handler per process, so its state is too.
#include "programs/linux/qt_platform_watch.h"

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

#include "runtime/shown_text.h"

namespace quantaro {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

struct Watch {
    std::string platforms;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

Watch& watch() {
    static Watch state;
    return state;
}

// Qt says so, in these words, whenever no platform plugin of the list could be started; a
// plugin that fails in its own way says what it found missing.
bool isGeneralFailure(const QString& text) {
    return text.contains(QLatin1String("no Qt platform plugin could be initialized"));
}

// Hands the held messages to the handler Qt had before the watch.
void passOnHeld() {
    qInstallMessageHandler(watch().previous);
    for (const HeldMessage& message : std::exchange(watch().held, {})) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
}

// A fatal message while the application object is made comes from starting the platform.
void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string said =
            isGeneralFailure(text) ? std::string()
                                   : ": " + shownText(text.section(u'\n', 0, 0).toStdString(), 120);
        std::cerr << "quantaro: no display to show the window on: Qt cannot start the platform '"
                  << shownText(watch().platforms) << "'" << said << std::endl;
        std::_Exit(1);
    }
    watch().held.push_back({type, context.file != nullptr ? context.file : "", context.line,
                            context.function != nullptr ? context.function : "",
                            context.category != nullptr ? context.category : "", text});
}

}  // namespace

QtPlatformWatch::QtPlatformWatch(std::string platforms) {
    watch().platforms = std::move(platforms);
    watch().previous = qInstallMessageHandler(holdOrEnd);
}

QtPlatformWatch::~QtPlatformWatch() {
    passOnHeld();
}

}  // namespace quantaro
