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

// The choice, apart from the system calls that answer its two questions:
// streams given (a terminal, a pipe, a file, or Wine's terminal) are used as
// they are; without them, the parent's console; without that, a box.
TextChannel ChooseTextChannel(bool hasStandardStreams, bool joinedParentConsole);

// Shows text the way ChooseTextChannel decides for this process; an error
// goes to standard error, or to a box with an error icon.
void ShowUserText(const QString& text, bool isError);

}  // namespace velmora
