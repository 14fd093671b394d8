// The command line through QCommandLineParser, without an application object: parsing needs
// none, and so --help and --version work where no display can be opened.
#include "runtime/qt/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "runtime/app_facts.h"

namespace quantaro {

namespace {

// Status 2 for a command line that cannot be used, as other command-line programs do.
constexpr int usageError = 2;

std::string usageLine(const std::string& name) {
    return "Usage: " + name + " [--help] [--version]\n";
}

std::string versionText() {
    return std::string(app::Title) + ' ' + std::to_string(app::Major) + '.' +
           std::to_string(app::Minor) + '.' + std::to_string(app::Revision) + '\n';
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const argv[], std::ostream& out,
                                     std::ostream& err) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const std::string name =
        argc > 0 ? QFileInfo(arguments.front()).fileName().toStdString() : std::string("quantaro");
    // Options of our own rather than the parser's help and version options: those would add
    // --help-all, which promises Qt's options.
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
    parser.addOptions({help, version});
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const std::string problem =
            !parsed ? parser.errorText().toStdString()
                    : "unexpected argument '" + parser.positionalArguments().front().toStdString() +
                          "'.";
        err << name << ": " << problem << '\n' << usageLine(name);
        return usageError;
    }
    if (parser.isSet(help)) {
        out << usageLine(name)
            << "Opens the window that converts a data size between bits, bytes, KB, MB, GB and "
               "TB.\n\nOptions:\n  -h, --help     Print this help and exit.\n"
               "  -v, --version  Print the version and exit.\n";
        return 0;
    }
    if (parser.isSet(version)) {
        out << versionText();
        return 0;
    }
    return std::nullopt;
}

}  // namespace quantaro
