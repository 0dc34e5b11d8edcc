#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace velmora {

// What the command line asks for before any window exists: either to go on
// and open the window, or to end at once with a status and some text.
struct CommandLineAnswer {
  std::optional<int> exitStatus;  // empty: open the window
  QString standardOutput;
  QString standardError;
};

inline constexpr int kUsageError = 2;

// Reads the arguments as the program received them, Qt's own options (such
// as -platform or -style) included. Needs no application object and no
// display, so --help and --version work on a bare terminal.
CommandLineAnswer ReadCommandLine(const QStringList& arguments);

// Reads argv as main received it, prints the answer, and gives the status to
// end with, or nothing when the window is to open.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace velmora
