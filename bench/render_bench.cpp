// Drawing speed of an art of typical size and of a long quote in a bubble.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "render/art_renderer.hpp"
#include "render/bubble_renderer.hpp"

namespace trot {
namespace {

// 60 x 30 cells: bands of colour with transparent margins, a connector
// and some noise so that glyph choice and colour changes both get work.
AsciiArt makeArt() {
  AsciiArt art;
  unsigned seed = 12345;
  for (int y = 0; y < 30; ++y) {
    ArtRow row;
    row.indent = static_cast<std::uint8_t>(y % 4);
    for (int x = 0; x < 60; ++x) {
      seed = seed * 1103515245u + 12345u;
      ArtCell cell;
      cell.upperTransparent = x < 3;
      cell.lowerTransparent = x < 2;
      const auto band = static_cast<std::uint8_t>((x / 6) * 25);
      cell.upper = {band, static_cast<std::uint8_t>(y * 8), 40};
      cell.lower = {band, static_cast<std::uint8_t>(y * 8 + 4), static_cast<std::uint8_t>((seed >> 16) % 3 == 0 ? 200 : 40)};
      cell.connector = y == 0 && x == 10;
      row.cells.push_back(cell);
    }
    art.rows.push_back(std::move(row));
  }
  art.width = 63;
  return art;
}

Bubble makeBubble() {
  Bubble b;
  b.topHeight = b.bottomHeight = 1;
  b.leftWidth = b.rightWidth = 2;
  b.nw = {" "}, b.nnw = {""}, b.n = {"_"}, b.nne = {""}, b.ne = {" "};
  b.sw = {" "}, b.ssw = {""}, b.s = {"-"}, b.sse = {""}, b.se = {" "};
  b.nww = "/ ", b.w = "| ", b.sww = "\\ ", b.ww = "< ";
  b.nee = " \\", b.e = " |", b.see = " /", b.ee = " >";
  b.linkSlash = '/';
  b.linkBackslash = '\\';
  return b;
}

std::string makeQuote() {
  const std::string words[] = {"the ", "meadow ", "hums ", "with ", "bees, ", "and ", "(quietly) ", "everyone ",
                               "listens ", "to ", "the ", "brook/river ", "song. "};
  std::string text;
  for (std::size_t i = 0; text.size() < 2048; ++i) text += words[i % std::size(words)];
  return text.substr(0, 2048);
}

void renderArt60x30(benchmark::State& state) {
  const AsciiArt art = makeArt();
  const Bubble bubble = makeBubble();
  ColorFormatANSI format;
  std::ostringstream out;
  for (auto _ : state) {
    out.str(std::string());
    renderArt(art, out, format, bubble, true);
    benchmark::DoNotOptimize(out.tellp());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * out.tellp());
}
BENCHMARK(renderArt60x30);

void renderBubble2KQuote(benchmark::State& state) {
  const Bubble bubble = makeBubble();
  const std::string quote = makeQuote();
  std::ostringstream out;
  for (auto _ : state) {
    out.str(std::string());
    renderBubble(bubble, out, quote, 64, nullptr);
    benchmark::DoNotOptimize(out.tellp());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(quote.size()));
}
BENCHMARK(renderBubble2KQuote);

}  // namespace
}  // namespace trot
