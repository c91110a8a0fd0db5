#include "display/platform/terminal.hpp"

#include <charconv>
#include <string_view>

namespace trot {

namespace {

std::optional<std::size_t> sizeFromEnvironment(const EnvironmentLookup& environment, const char* name) {
  const auto value = environment(name);
  if (!value) return std::nullopt;
  const std::string_view text = *value;
  std::size_t size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size == 0) return std::nullopt;
  return size;
}

}  // namespace

std::optional<std::size_t> terminalColumns(const EnvironmentLookup& environment, const TerminalSize& reported) {
  if (auto columns = sizeFromEnvironment(environment, "COLUMNS")) return columns;
  return reported.columns;
}

std::optional<std::size_t> terminalRows(const EnvironmentLookup& environment, const TerminalSize& reported) {
  if (reported.rows) return reported.rows;
  return sizeFromEnvironment(environment, "LINES");
}

}  // namespace trot
