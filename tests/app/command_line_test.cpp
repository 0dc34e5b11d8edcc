#include "command_line.h"

#include <QTest>

#include "platform_arguments.h"
#include "user_text.h"

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answers_data();
  void answers();
  void textReachesTheUserWithOrWithoutAConsole_data();
  void textReachesTheUserWithOrWithoutAConsole();
  void darkModeIsAskedForUnlessAPlatformIsChosen_data();
  void darkModeIsAskedForUnlessAPlatformIsChosen();
};

void CommandLineTest::answers_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("status");  // -1: the window opens
  QTest::addColumn<QString>("output");
  QTest::addColumn<QString>("error");
  const auto row = [](const char* name, const QStringList& arguments, int status,
                      const QString& output, const QString& error) {
    QTest::newRow(name) << (QStringList{"/usr/bin/velmora"} + arguments) << status << output
                        << error;
  };
  row("nothing", {}, -1, "", "");
  row("--version", {"--version"}, 0, "Velmora 1.00\n", "");
  row("-v", {"-v"}, 0, "Velmora 1.00\n", "");
  row("--help", {"--help"}, 0, "Usage: velmora [options]", "");
  row("-h beside an unknown option", {"--frobnicate", "-h"}, 2, "",
      "velmora: unknown option 'frobnicate'; see 'velmora --help'\n");
  row("--version beside an unknown option", {"--bogus", "--version"}, 2, "",
      "velmora: unknown option 'bogus'; see 'velmora --help'\n");
  row("--version and a stray argument", {"--version", "extra"}, 2, "",
      "velmora: unexpected argument 'extra'; see 'velmora --help'\n");
  row("Qt's -platform", {"-platform", "offscreen"}, -1, "", "");
  row("Qt's --style=", {"--style=fusion"}, -1, "", "");
  row("Qt's -reverse and -display", {"-reverse", "-display", ":1"}, -1, "", "");
  row("unknown option", {"--frobnicate"}, 2, "",
      "velmora: unknown option 'frobnicate'; see 'velmora --help'\n");
  row("stray argument", {"10"}, 2, "", "velmora: unexpected argument '10'; see 'velmora --help'\n");
}

void CommandLineTest::answers() {
  QFETCH(QStringList, arguments);
  QFETCH(int, status);
  QFETCH(QString, output);
  QFETCH(QString, error);
  const velmora::CommandLineAnswer answer = velmora::ReadCommandLine(arguments);
  QCOMPARE(answer.exitStatus.value_or(-1), status);
  if (output.isEmpty()) {
    QCOMPARE(answer.standardOutput, QString());
  } else {
    QVERIFY2(answer.standardOutput.startsWith(output), qPrintable(answer.standardOutput));
  }
  QCOMPARE(answer.standardError, error);
}

void CommandLineTest::textReachesTheUserWithOrWithoutAConsole_data() {
  using velmora::TextChannel;
  QTest::addColumn<bool>("streams");
  QTest::addColumn<bool>("parentConsole");
  QTest::addColumn<TextChannel>("channel");
  // clang-format off
  QTest::newRow("a terminal, a pipe or a file") << true << false << TextChannel::Streams;
  QTest::newRow("redirected from a console") << true << true << TextChannel::Streams;
  QTest::newRow("cmd.exe or PowerShell") << false << true << TextChannel::ParentConsole;
  QTest::newRow("a shortcut, no console anywhere") << false << false << TextChannel::Dialog;
  // clang-format on
}

void CommandLineTest::textReachesTheUserWithOrWithoutAConsole() {
  QFETCH(bool, streams);
  QFETCH(bool, parentConsole);
  QFETCH(velmora::TextChannel, channel);
  QCOMPARE(velmora::ChooseTextChannel(streams, parentConsole), channel);
}

void CommandLineTest::darkModeIsAskedForUnlessAPlatformIsChosen_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<bool>("inEnvironment");
  QTest::addColumn<bool>("asked");
  // clang-format off
  QTest::newRow("nothing chosen") << QStringList{"velmora.exe"} << false << true;
  QTest::newRow("other options") << QStringList{"velmora.exe", "-style", "fusion"} << false << true;
  QTest::newRow("-platform of the user's") << QStringList{"velmora.exe", "-platform",
                                                          "windows:darkmode=1"} << false << false;
  QTest::newRow("--platform=") << QStringList{"velmora.exe", "--platform=offscreen"} << false
                               << false;
  QTest::newRow("QT_QPA_PLATFORM") << QStringList{"velmora.exe"} << true << false;
  // clang-format on
}

void CommandLineTest::darkModeIsAskedForUnlessAPlatformIsChosen() {
  QFETCH(QStringList, arguments);
  QFETCH(bool, inEnvironment);
  QFETCH(bool, asked);
  const QStringList result = velmora::WithDarkModeRequest(arguments, inEnvironment);
  const QStringList request{"-platform", "windows:darkmode=2"};
  QCOMPARE(result, asked ? arguments + request : arguments);
  // main answers the command line as the user typed it, before the request
  // is added; what the user typed starts the window.
  QCOMPARE(velmora::ReadCommandLine(arguments).exitStatus.has_value(), false);
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
