#include "startup_failure.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "user_text.h"

namespace velmora {
namespace {

QString FirstMatch(const QStringList& messages, const QRegularExpression& pattern) {
  for (const QString& message : messages) {
    const QRegularExpressionMatch match = pattern.match(message);
    if (match.hasMatch()) return match.captured(1);
  }
  return {};
}

// One line that tells the user why the window cannot open, from what Qt said
// while it looked for a platform (qtMessages, in order), its final fatal
// message, and the DISPLAY the program was given.
QString DescribeStartupFailure(const QStringList& qtMessages, const QString& fatalMessage,
                               const QString& display) {
  const bool noDisplay =
      !qtMessages.filter(QStringLiteral("could not connect to display")).isEmpty();
  if (noDisplay && display.isEmpty()) {
    return QStringLiteral(
        "cannot connect to a display (DISPLAY is not set); run it inside a graphical session");
  }
  if (noDisplay) {
    return QStringLiteral(
               "cannot connect to the display '%1' named by DISPLAY; run it inside a graphical "
               "session, or point DISPLAY at a display that is running")
        .arg(display);
  }
  const QString missing = FirstMatch(
      qtMessages,
      QRegularExpression(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\"")));
  const QString available = FirstMatch(
      {fatalMessage},
      QRegularExpression(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?$")));
  if (!missing.isEmpty()) {
    return QStringLiteral(
               "the Qt platform '%1' is not installed (available: %2); "
               "choose another with -platform or QT_QPA_PLATFORM")
        .arg(missing, available);
  }
  const QString failed = FirstMatch(
      qtMessages,
      QRegularExpression(QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\"")));
  const QString detail = qtMessages.isEmpty() ? fatalMessage.section(u'\n', 0, 0)
                                              : qtMessages.first().section(u'\n', 0, 0);
  return QStringLiteral("the Qt platform '%1' could not open a window (%2)")
      .arg(failed.isEmpty() ? QStringLiteral("?") : failed, detail);
}

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler previousHandler = nullptr;
// Qt may report from any thread it has started, the platform's among them.
std::mutex heldMessagesLock;
std::vector<HeldMessage> heldMessages;

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  QStringList texts;
  {
    const std::lock_guard<std::mutex> lock(heldMessagesLock);
    if (type != QtFatalMsg) {
      heldMessages.push_back({type, QByteArray(context.category), message});
      return;
    }
    for (const HeldMessage& held : heldMessages) texts << held.text;
  }
  const QString line = QStringLiteral("velmora: ") +
                       DescribeStartupFailure(texts, message, qEnvironmentVariable("DISPLAY")) +
                       u'\n';
  ShowUserText(line, true);
  // Qt aborts after a fatal message; this is an ordinary failure, not a crash.
  std::_Exit(kStartupFailure);
}

}  // namespace

StartupFailureGuard::StartupFailureGuard() { previousHandler = qInstallMessageHandler(HoldOrFail); }

StartupFailureGuard::~StartupFailureGuard() { Release(); }

void StartupFailureGuard::Release() {
  if (released_) return;
  released_ = true;
  qInstallMessageHandler(previousHandler);
  std::vector<HeldMessage> held;
  {
    const std::lock_guard<std::mutex> lock(heldMessagesLock);
    held.swap(heldMessages);
  }
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    previousHandler(message.type, context, message.text);
  }
}

}  // namespace velmora
