// trotspeak's options, one row each: the names that select it, whether it
// takes a value, what it sets and what the help screen says of it. The
// parser, its check for unknown options and the help screen all read this
// one table, so that a new option is one row and its handler.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace trot {

// What a handler changes: the parser's state (display/flow/arguments.cpp).
struct OptionContext;

enum class OptionValue { None, Required, Optional };

struct OptionRow {
  // As typed: the short name first when there is one (else empty), then the
  // long names; the help screen shows the first two.
  std::array<std::string_view, 3> names;
  void (*apply)(OptionContext& context, std::string_view name, std::string_view value);
  OptionValue value = OptionValue::None;
  bool traced = true;  // a separate value is echoed in the debug trace
  // The help screen: the value's placeholder, the description and the notes
  // below it, and whether a blank line follows.
  std::string_view placeholder = {};
  std::string_view description = {};
  std::array<std::string_view, 2> notes = {};
  bool gapAfter = false;
};

std::span<const OptionRow> optionTable();

}  // namespace trot
