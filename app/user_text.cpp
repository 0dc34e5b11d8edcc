#include "user_text.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmora {
namespace {

#ifdef Q_OS_WIN
bool IsUsable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

TextChannel ChannelOfThisProcess() {
  const bool streams =
      IsUsable(GetStdHandle(STD_OUTPUT_HANDLE)) || IsUsable(GetStdHandle(STD_ERROR_HANDLE));
  // Joining is asked only when it is needed: it ties the program to the
  // shell's console until it ends.
  const bool joined = !streams && AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  const TextChannel channel = ChooseTextChannel(streams, joined);
  if (channel == TextChannel::ParentConsole) {
    std::FILE* ignored = nullptr;
    freopen_s(&ignored, "CONOUT$", "w", stdout);
    freopen_s(&ignored, "CONOUT$", "w", stderr);
  }
  return channel;
}

void ShowInMessageBox(const QString& text, bool isError) {
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()), L"Velmora",
              MB_OK | MB_SETFOREGROUND | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}
#else
TextChannel ChannelOfThisProcess() { return TextChannel::Streams; }

void ShowInMessageBox(const QString& /*text*/, bool /*isError*/) {}
#endif

}  // namespace

TextChannel ChooseTextChannel(bool hasStandardStreams, bool joinedParentConsole) {
  if (hasStandardStreams) return TextChannel::Streams;
  return joinedParentConsole ? TextChannel::ParentConsole : TextChannel::Dialog;
}

void ShowUserText(const QString& text, bool isError) {
  if (text.isEmpty()) return;
  static const TextChannel channel = ChannelOfThisProcess();
  if (channel == TextChannel::Dialog) {
    ShowInMessageBox(text, isError);
    return;
  }
  std::FILE* stream = isError ? stderr : stdout;
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace velmora
