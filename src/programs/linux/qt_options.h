// The options Qt's application object takes from the command line (QGuiApplication's and
// QApplication's), as the program's command line accepts and lists them. It does not act on
// any of them: Qt does, from the arguments main hands it.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>
#include <string>

namespace quantaro {

// Lets the parser accept each of Qt's options, with a value where Qt takes one.
void addQtOptions(QCommandLineParser& parser);
// One line per option, for --help.
std::string qtOptionsHelp();
// Qt reads "-style=fusion" but not "-platform=xcb": the parser would take both, and Qt would
// then pass over the second. What to tell the user of the first such argument, if any.
std::optional<std::string> misplacedQtValue(const QStringList& arguments);

}  // namespace quantaro
