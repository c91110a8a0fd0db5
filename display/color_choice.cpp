#include "display/color_choice.hpp"

#include <cstdlib>
#include <string_view>

namespace trot {

namespace {

std::string_view environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

#ifdef _WIN32
constexpr ColorDepth kConsoleWithoutTerm = ColorDepth::TrueColor;
#else
constexpr ColorDepth kConsoleWithoutTerm = ColorDepth::None;
#endif

ColorDepth detectColorDepth() {
  const std::string_view colorTerm = environment("COLORTERM");
  if (colorTerm == "truecolor" || colorTerm == "24bit") return ColorDepth::TrueColor;
  // Windows Terminal names its session rather than its colours.
  if (!environment("WT_SESSION").empty()) return ColorDepth::TrueColor;
  const std::string_view term = environment("TERM");
  if (term.find("256color") != std::string_view::npos) return ColorDepth::Palette256;
  if (term == "dumb") return ColorDepth::None;
  // A Windows console sets no TERM; once switched to escape sequences, as
  // every run does, it shows 24-bit colour.
  if (term.empty()) return kConsoleWithoutTerm;
  return ColorDepth::Basic16;
}

ColorChoice chooseColors(ColorWhen when, std::optional<ColorDepth> forced, bool outputIsTerminal) {
  if (when == ColorWhen::Never) return {ColorDepth::None, ColorDepth::None};
  if (when == ColorWhen::Auto && !environment("NO_COLOR").empty()) return {ColorDepth::None, ColorDepth::None};

  ColorDepth depth = ColorDepth::TrueColor;
  if (forced) {
    depth = *forced;
  } else if (outputIsTerminal) {
    depth = detectColorDepth();
    // Asked for colour on a terminal that claims none: the basic colours
    // are the ones nearly every terminal shows.
    if (when == ColorWhen::Always && depth == ColorDepth::None) depth = ColorDepth::Basic16;
  }
  const bool colouredText = outputIsTerminal || when == ColorWhen::Always;
  return {depth, colouredText ? depth : ColorDepth::None};
}

}  // namespace trot
