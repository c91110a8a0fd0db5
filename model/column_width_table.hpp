// The generated table behind columnWidth (column_width_table.cpp).
#pragma once

#include <cstdint>
#include <span>

namespace trot {

// Sorted run starts over all code points, each packed as (first << 2) | width.
std::span<const std::uint32_t> columnWidthRuns();

}  // namespace trot
