// Built twice: as it stands it must build and run, and with
// VELMORA_MALFORMED_PATTERN it must not build, because patterns are checked
// when the program is compiled.
#include "sizing/format_by_pattern.h"

int main() {
#ifdef VELMORA_MALFORMED_PATTERN
  return static_cast<int>(velmora::sizing::FormatByPattern(1.0F, "#0.0.0", ".").size());
#else
  return velmora::sizing::FormatByPattern(1.0F, "#0.0#", ".") == "1.0" ? 0 : 1;
#endif
}
