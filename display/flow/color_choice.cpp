#include "display/flow/color_choice.hpp"

#include <string>

namespace trot {

namespace {

std::string variable(const OutsideWorld& world, const char* name) { return world.environment(name).value_or(""); }

ColorDepth claimedDepth(const OutsideWorld& world) {
  const std::string colorTerm = variable(world, "COLORTERM");
  if (colorTerm == "truecolor" || colorTerm == "24bit") return ColorDepth::TrueColor;
  // Windows Terminal names its session rather than its colours.
  if (!variable(world, "WT_SESSION").empty()) return ColorDepth::TrueColor;
  const std::string term = variable(world, "TERM");
  if (term.find("256color") != std::string::npos) return ColorDepth::Palette256;
  if (term == "dumb") return ColorDepth::None;
  if (term.empty()) return world.unnamedTerminalDepth;
  return ColorDepth::Basic16;
}

}  // namespace

ColorChoice chooseColors(ColorWhen when, std::optional<ColorDepth> forced, const OutsideWorld& world) {
  if (when == ColorWhen::Never) return {ColorDepth::None, ColorDepth::None};
  if (when == ColorWhen::Auto && !variable(world, "NO_COLOR").empty()) return {ColorDepth::None, ColorDepth::None};

  ColorDepth depth = ColorDepth::TrueColor;
  if (forced) {
    depth = *forced;
  } else if (world.outputIsTerminal) {
    depth = claimedDepth(world);
    // Asked for colour on a terminal that claims none: the basic colours
    // are the ones nearly every terminal shows.
    if (when == ColorWhen::Always && depth == ColorDepth::None) depth = ColorDepth::Basic16;
  }
  const bool colouredText = world.outputIsTerminal || when == ColorWhen::Always;
  return {depth, colouredText ? depth : ColorDepth::None};
}

}  // namespace trot
