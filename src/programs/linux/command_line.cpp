// The command line through QCommandLineParser, without an application object: parsing needs
// none, and so --help and --version work where no display can be opened.
#include "programs/linux/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "programs/linux/qt_options.h"
#include "runtime/app_facts.h"
#include "runtime/shown_text.h"

namespace quantaro {

namespace {

// Status 2 for a command line that cannot be used, as other command-line programs do; 1 when
// what was asked for could not be written.
constexpr int usageError = 2;
constexpr int writeError = 1;

std::string usageLine(const std::string& name) {
    return "Usage: " + name + " [--help] [--version] [Qt's options]\n";
}

std::string versionText() {
    return std::string(app::Title) + ' ' + std::to_string(app::Major) + '.' +
           std::to_string(app::Minor) + '.' + std::to_string(app::Revision) + '\n';
}

std::string helpText(const std::string& name) {
    return usageLine(name) +
           "Opens the window that converts a data size between bits, bytes, KB, MB, GB and "
           "TB.\n\nOptions:\n  -h, --help     Print this help and exit.\n"
           "  -v, --version  Print the version and exit.\n\n"
           "Qt's options, passed on to Qt:\n" +
           qtOptionsHelp();
}

// The argument the user typed for an option the parser names without its dashes and without
// a value after '=': the first before "--" that names it, as typed.
QString typedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == "--") {
            break;
        }
        const qsizetype dashes = argument.startsWith("--") ? 2 : argument.startsWith('-') ? 1 : 0;
        if (dashes > 0 && argument.mid(dashes).section('=', 0, 0) == name) {
            return argument;
        }
    }
    return name;
}

// What is wrong with a command line the parser refused, or that names an argument.
std::string problemWith(const QCommandLineParser& parser, const QStringList& arguments,
                        bool parsed) {
    if (parsed) {
        return "unexpected argument '" +
               shownText(parser.positionalArguments().front().toStdString()) + "'.";
    }
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString typed = typedOption(arguments, parser.unknownOptionNames().front());
        return "unknown option '" + shownText(typed.toStdString()) + "'.";
    }
    return shownText(parser.errorText().toStdString(), 200);
}

// Prints a text the user asked for; a text that could not be written (a full disk, a closed
// pipe) is a failure, not a silent success.
int printed(const std::string& text, std::ostream& out, std::ostream& err,
            const std::string& name) {
    errno = 0;
    out << text;
    out.flush();
    if (out) {
        return 0;
    }
    const int cause = errno;
    err << name << ": cannot write to standard output"
        << (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string()) << '\n';
    return writeError;
}

QStringList argumentsOf(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// The name the program was started by, as messages to the user call it.
std::string programName(const QStringList& arguments) {
    return arguments.isEmpty() ? std::string("quantaro")
                               : shownText(QFileInfo(arguments.front()).fileName().toStdString());
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const argv[], std::ostream& out,
                                     std::ostream& err) {
    const QStringList arguments = argumentsOf(argc, argv);
    const std::string name = programName(arguments);
    // Options of our own rather than the parser's help and version options: those would add
    // --help-all, which lists Qt's options in words of its own.
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
    parser.addOptions({help, version});
    addQtOptions(parser);
    // "-platform" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const bool parsed = parser.parse(arguments);
    const std::optional<std::string> misplaced = misplacedQtValue(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty() || misplaced) {
        err << name << ": " << (misplaced ? *misplaced : problemWith(parser, arguments, parsed))
            << '\n'
            << usageLine(name);
        return usageError;
    }
    if (parser.isSet(help)) {
        return printed(helpText(name), out, err, name);
    }
    if (parser.isSet(version)) {
        return printed(versionText(), out, err, name);
    }
    return std::nullopt;
}

}  // namespace quantaro
