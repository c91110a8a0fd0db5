// Text from files and users made safe to print: whatever a shared database,
// style file or message holds, it cannot steer the terminal.
#pragma once

#include <string>
#include <string_view>

namespace trot {

// `text` without anything but characters, line feeds, tabs and colour (SGR)
// sequences: other escape sequences and controls (C0 but tab and line feed,
// DEL, C1) are dropped, a carriage return and line feed become a line feed,
// and a byte that is not well-formed UTF-8 becomes U+FFFD.
std::string terminalSafeText(std::string_view text);

// `text` as one plain line, as listings for scripts show names: its
// characters alone, without the tabs, line breaks and colours that
// terminalSafeText keeps.
std::string plainText(std::string_view text);

// The same with its colours kept, as a bubble style's pieces are drawn:
// nothing else of them, not even a tab, could move the rest of their row.
std::string plainTextInColour(std::string_view text);

}  // namespace trot
