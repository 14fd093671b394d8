// The table of Qt's options, as QGuiApplication and QApplication document them for X11 and
// Wayland, less those the program's windows cannot follow: -geometry and -qwindowgeometry (each
// window's size is its table's, and it opens centred on the screen) and -reverse (the tables lay
// every window out from the left). Left out, they are refused as unknown, not passed over.
#include "programs/linux/qt_options.h"

#include <algorithm>
#include <string_view>

#include "runtime/shown_text.h"

namespace quantaro {

namespace {

struct QtOption {
    const char* name;
    const char* value;  // empty: the option takes none
    bool joinedValue;   // the value may follow as "-name=value"; else only as the next argument
    const char* description;
};

constexpr QtOption qtOptions[] = {
    {"platform", "NAME[:OPTIONS]", false, "the platform to draw on: xcb, wayland, ..."},
    {"platformpluginpath", "PATH", false, "where to look for platform plugins"},
    {"platformtheme", "THEME", false, "the platform theme"},
    {"plugin", "PLUGIN", false, "an additional plugin to load"},
    {"display", "HOST:SCREEN", false, "the X display to use"},
    {"qwindowicon", "ICON", false, "the windows' icon"},
    {"qwindowtitle", "TITLE", false, "the converter window's title"},
    {"session", "SESSION", false, "restore from this session"},
    {"style", "STYLE", true, "the widget style"},
    {"stylesheet", "FILE", true, "a style sheet for the widgets"},
    {"widgetcount", "", false, "count the widgets left at the end"},
};

}  // namespace

void addQtOptions(QCommandLineParser& parser) {
    for (const QtOption& option : qtOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            QString::fromLatin1(option.description),
                                            QString::fromLatin1(option.value)));
    }
}

std::string qtOptionsHelp() {
    std::string help;
    for (const QtOption& option : qtOptions) {
        std::string usage = std::string("  -") + option.name;
        if (*option.value != '\0') {
            usage += std::string(" ") + option.value;
        }
        usage.resize(std::max<std::size_t>(usage.size() + 2, 32), ' ');
        help += usage + option.description + '\n';
    }
    return help;
}

std::optional<std::string> misplacedQtValue(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::string argument = arguments[i].toStdString();
        if (argument == "--") {
            break;
        }
        std::string_view name = argument;
        name.remove_prefix(name.starts_with("--") ? 2 : name.starts_with('-') ? 1 : name.size());
        const std::size_t equals = name.find('=');
        for (const QtOption& option : qtOptions) {
            if (equals != std::string_view::npos && name.substr(0, equals) == option.name &&
                *option.value != '\0' && !option.joinedValue) {
                return "option '-" + std::string(option.name) +
                       "' takes its value as the next argument, not after '=': '" +
                       shownText(argument) + "'.";
            }
        }
    }
    return std::nullopt;
}

}  // namespace quantaro
