#pragma once

#include <QString>

namespace velmora {

// The text with every Unicode decimal digit (Arabic-Indic, Persian,
// Devanagari, full-width ...) replaced by its ASCII digit, everything else
// left as it stands. A user with an Arabic keyboard types "١٠"; the core
// reads ASCII digits only, and would silently take that for no number.
QString WithAsciiDigits(const QString& text);

}  // namespace velmora
