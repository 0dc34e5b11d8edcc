#pragma once

#include <QColor>
#include <QPalette>

namespace velmora::testing {

// A desktop's high-contrast scheme as Qt hands it to programs: every role
// of the window and its controls in one colour, every text and edge role in
// the other, so nothing is left for a style to derive a grey from.
inline QPalette HighContrastPalette(const QColor& background, const QColor& foreground) {
  QPalette palette(background, background);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
        QPalette::ToolTipText, QPalette::PlaceholderText}) {
    palette.setColor(role, foreground);
  }
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Highlight, foreground);
  palette.setColor(QPalette::HighlightedText, background);
  return palette;
}

inline QPalette WhiteOnBlack() { return HighContrastPalette(Qt::black, Qt::white); }
inline QPalette BlackOnWhite() { return HighContrastPalette(Qt::white, Qt::black); }

// A desktop's colours as Qt on Windows turns the system colours into a
// palette: the window takes the button face, fields the window colour.
struct SystemColours {
  QColor field;
  QColor text;
  QColor buttonFace;
  QColor buttonText;
  QColor highlight;
  QColor highlightedText;
};

inline QPalette PaletteOf(const SystemColours& colours) {
  const QColor& face = colours.buttonFace;
  QPalette palette(colours.text, face, face.lighter(150), face.darker(200), face.darker(150),
                   colours.text, colours.text, colours.field, face);
  palette.setColor(QPalette::ButtonText, colours.buttonText);
  palette.setColor(QPalette::Highlight, colours.highlight);
  palette.setColor(QPalette::HighlightedText, colours.highlightedText);
  palette.setColor(QPalette::ToolTipBase, colours.field);
  palette.setColor(QPalette::ToolTipText, colours.text);
  return palette;
}

// Windows' app mode "Dark" as Qt 6.4's Windows platform builds it when asked
// to (darkmode=2) and Windows gives it no accent colours of its own.
inline QPalette WindowsDarkMode() {
  const QColor background(0x1E, 0x1E, 0x1E);
  const QColor button = background.lighter(200);
  QPalette palette(Qt::white, button, button.lighter(200), button.darker(200), button.darker(150),
                   Qt::white, QColor(0x00, 0x55, 0xFF).lighter(120).lighter(120).lighter(120),
                   background.lighter(150), background);
  palette.setColor(QPalette::ButtonText, Qt::white);
  palette.setColor(QPalette::Highlight, QColor(0x00, 0x55, 0xFF));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  const QColor accentDarkest = QColor(0x00, 0x55, 0xFF).darker(120).darker(120).darker(120);
  palette.setColor(QPalette::ToolTipBase, accentDarkest);
  palette.setColor(QPalette::ToolTipText,
                   QColor(0x00, 0x55, 0xFF).lighter(120).lighter(120).lighter(120));
  return palette;
}

}  // namespace velmora::testing
