#include "user_text.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmora {

#ifdef Q_OS_WIN
namespace {

bool IsUsable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// The console of the shell that started the program, joined the first time
// it is needed and only then: joining ties the program to that console
// until it ends.
HANDLE ParentConsole() {
  static const HANDLE console = [] {
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return INVALID_HANDLE_VALUE;
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  }();
  return console;
}

// Each stream on its own: `velmora --help 2>err.txt` from cmd.exe gives the
// program a file for errors and nothing for output, and help still belongs
// in the console.
HANDLE HandleFor(bool isError, TextChannel& channel) {
  const HANDLE given = GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  const bool usable = IsUsable(given);
  channel = ChooseTextChannel(usable, !usable && IsUsable(ParentConsole()));
  return channel == TextChannel::Streams ? given : ParentConsole();
}

// A console shows UTF-16 as it is ("ü" in a path stays "ü"); narrow text
// would be read in the console's OEM code page, not the ANSI one Qt writes.
void Write(HANDLE handle, const QString& text) {
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode) != 0) {
    WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const QByteArray bytes = text.toLocal8Bit();
  WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void ShowInMessageBox(const QString& text, bool isError) {
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()), L"Velmora",
              MB_OK | MB_SETFOREGROUND | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace
#endif

TextChannel ChooseTextChannel(bool hasStandardStream, bool joinedParentConsole) {
  if (hasStandardStream) return TextChannel::Streams;
  return joinedParentConsole ? TextChannel::ParentConsole : TextChannel::Dialog;
}

void ShowUserText(const QString& text, bool isError) {
  if (text.isEmpty()) return;
#ifdef Q_OS_WIN
  TextChannel channel = TextChannel::Streams;
  const HANDLE handle = HandleFor(isError, channel);
  if (channel == TextChannel::Dialog) {
    ShowInMessageBox(text, isError);
  } else {
    Write(handle, text);
  }
#else
  std::FILE* stream = isError ? stderr : stdout;
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
#endif
}

}  // namespace velmora
