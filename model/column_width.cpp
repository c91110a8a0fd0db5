#include "model/column_width.hpp"

#include <algorithm>

#include "model/column_width_table.hpp"
#include "model/utf8.hpp"

namespace trot {

unsigned columnWidthFromTable(std::uint32_t codePoint) {
  if (codePoint >= 0x110000) return 1;
  const auto runs = columnWidthRuns();
  // The last run starting at or before the code point (the first is at 0).
  return *(std::upper_bound(runs.begin(), runs.end(), (codePoint << 2) | 3u) - 1) & 3u;
}

std::size_t displayColumns(std::string_view text) {
  std::size_t columns = 0;
  while (!text.empty()) {
    const std::uint32_t codePoint = decodeNext(text);
    if (codePoint == 0) break;
    columns += columnWidth(codePoint);
  }
  return columns;
}

std::size_t colourSequenceLength(std::string_view text) {
  if (!text.starts_with("\x1b[")) return 0;
  const std::size_t end = text.find_first_not_of("0123456789:;", 2);
  return end != std::string_view::npos && text[end] == 'm' ? end + 1 : 0;
}

}  // namespace trot
