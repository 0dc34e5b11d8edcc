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

}  // namespace velmora::testing
