#include "platform_arguments.h"

#include <QtGlobal>
#include <algorithm>

namespace velmora {
namespace {

bool NamesAPlatform(const QString& argument) {
  for (const char* option : {"-platform", "--platform"}) {
    const QString name = QLatin1String(option);
    if (argument == name || argument.startsWith(name + u'=')) return true;
  }
  return false;
}

}  // namespace

QStringList WithDarkModeRequest(const QStringList& arguments, bool platformInEnvironment) {
  if (platformInEnvironment || std::any_of(arguments.cbegin(), arguments.cend(), NamesAPlatform)) {
    return arguments;
  }
  return arguments + QStringList{QStringLiteral("-platform"), QStringLiteral("windows:darkmode=2")};
}

ApplicationArguments::ApplicationArguments(int& argc, char** argv) : count_(argc) {
#ifdef Q_OS_WIN
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  arguments = WithDarkModeRequest(arguments, !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
  for (const QString& argument : arguments) values_.push_back(argument.toLocal8Bit());
  for (QByteArray& value : values_) pointers_.push_back(value.data());
  count_ = static_cast<int>(values_.size());
#else
  pointers_.assign(argv, argv + argc);
#endif
  pointers_.push_back(nullptr);
}

}  // namespace velmora
