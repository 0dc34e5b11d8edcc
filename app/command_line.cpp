#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "user_text.h"
#include "velmora_version.h"

namespace velmora {
namespace {

// The options that QGuiApplication, QApplication and the X11 platform take
// out of argv themselves. They are known here only so that they are not
// mistaken for unknown ones before Qt has had its look at them.
void AcceptQtOwnOptions(QCommandLineParser& parser) {
  const char* const withValue[] = {"platform",
                                   "platformpluginpath",
                                   "platformtheme",
                                   "plugin",
                                   "qwindowgeometry",
                                   "qwindowtitle",
                                   "qwindowicon",
                                   "geometry",
                                   "title",
                                   "icon",
                                   "session",
                                   "style",
                                   "stylesheet",
                                   "display",
                                   "name",
                                   "visual"};
  const char* const flags[] = {"reverse", "testability", "widgetcount", "qdevel",
                               "qdebug",  "nograb",      "dograb"};
  for (const char* name : withValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : flags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

QString ProgramName(const QStringList& arguments) {
  const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
  return name.isEmpty() ? QStringLiteral("velmora") : name;
}

}  // namespace

CommandLineAnswer ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's own options are single-dash words (-platform, -style), so a
  // single dash starts a long option here too.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "Sizes the air receiver of a compressed-air installation: the smallest total\n"
      "storage volume (tank plus pipework, m3) for a compressor's power class, free\n"
      "air delivery (m3/min) and pressure difference (bar). The window is Turkish."));
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  parser.addOption(help);
  parser.addOption(version);
  AcceptQtOwnOptions(parser);

  const QString program = ProgramName(arguments);
  const bool understood = parser.parse(arguments);
  // A wrong option or a stray argument is an error even beside --help or
  // --version: a script that passed it has a mistake to see.
  QString problem;
  if (!understood) {
    // Qt says "Unknown option 'x'."; one line in the program's own voice.
    problem = parser.errorText().section(u'\n', 0, 0);
    if (problem.endsWith(u'.')) problem.chop(1);
    if (!problem.isEmpty()) problem[0] = problem[0].toLower();
  } else if (!parser.positionalArguments().isEmpty()) {
    problem = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
  }
  if (!problem.isEmpty()) {
    return {kUsageError, {}, QStringLiteral("%1: %2; see '%1 --help'\n").arg(program, problem)};
  }
  if (parser.isSet(help)) {
    // Without an application object Qt cannot name the program itself.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), program);
    return {0, text, {}};
  }
  if (parser.isSet(version)) return {0, QStringLiteral("Velmora " VELMORA_VERSION "\n"), {}};
  return {};
}

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineAnswer answer = ReadCommandLine(arguments);
  ShowUserText(answer.standardOutput, false);
  ShowUserText(answer.standardError, true);
  return answer.exitStatus;
}

}  // namespace velmora
