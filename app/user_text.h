#pragma once

#include <QString>

namespace velmora {

// Where the few lines a program prints before its window opens (help, the
// version, a usage error, a start-up failure) reach the user. A Windows
// program built for the desktop is given no console: started from cmd.exe
// or PowerShell, what it prints would vanish.
enum class TextChannel {
  Streams,        // standard output and error, as the program was given them
  ParentConsole,  // the console of the shell that started it, joined for this
  Dialog,         // no console anywhere: a message box shows it instead
};

// The choice for one stream, apart from the system calls that answer its two
// questions: a stream given (a terminal, a pipe, a file, or Wine's terminal)
// is used as it is; without it, the parent's console; without that, a box.
// A console is written in UTF-16, so that it shows every letter.
TextChannel ChooseTextChannel(bool hasStandardStream, bool joinedParentConsole);

// Shows text the way ChooseTextChannel decides for this process; an error
// goes to standard error, or to a box with an error icon.
void ShowUserText(const QString& text, bool isError);

}  // namespace velmora
