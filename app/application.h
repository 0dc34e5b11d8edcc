#pragma once

class QApplication;

namespace velmora {

// Names the program to the desktop (task bars tie the window to its launcher
// through these) and has Qt's own translations for the user's languages
// read once the event loop runs, before any input, so that standard menus
// and dialogs speak the user's language. The application stays left to
// right in every language.
void SetUpApplication(QApplication& app);

}  // namespace velmora
