#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// The names of the user's guide in the user's language: Turkish, unless the
// user's language is another one, then English. The MSI installs the Turkish
// one under a name without Turkish letters, which its tools cannot carry.
QStringList UserGuideFileNames();

// Where the guide is installed: beside the program (the Windows downloads),
// or on Linux in the documentation folder of the prefix it was installed
// into.
QStringList UserGuideFolders();

// Opens the guide in the default browser; false, and nothing opened, where
// it is not installed.
bool OpenUserGuide();

}  // namespace velmora
