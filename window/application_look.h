#pragma once

namespace velmora {

// The style and font that everything the program shows is drawn with: the
// window and its controls, the pressure list's popup, the context menus and
// the tooltips, whenever each is first built. Set once for the application,
// before the window is built.
//
// One style on every desktop, because the fixed geometry needs known
// decorations around each caption (the option indicator, button margins,
// the frame's title); Qt's -style is overruled. The font is the
// application's, not only the window's: a field lays out its empty text in
// the default font while it is being built, before it takes its parent's,
// and would load a second face for nothing.
void UseApplicationLook();

// After a change of the application's palette (a theme, dark mode, a
// contrast scheme switched while the program runs), the buttons and the
// tooltips take it as the window does. The window calls it: it hears of
// every such change anyway, so nothing has to look at every event of the
// program for this rare one.
void FollowApplicationPalette();

// The same style, chosen before the QApplication is built: built without
// one, it creates the platform's own, which UseApplicationLook() would only
// replace.
void ChooseWindowStyleBeforeStart();

}  // namespace velmora
