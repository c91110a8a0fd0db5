// Pictures made in the test, imported with trotconv and drawn by trotspeak
// as an SVG: every pixel shown has the colour of the pixel of the picture it
// came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "converter/picture_decoder.hpp"
#include "tests/support/picture_files.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using Pixels = std::vector<std::vector<Rgba>>;  // rows of pixels, see-through as Rgba{}

// Pixel art as text, a letter a pixel. h is less than half opaque and not
// shown, H half opaque and shown in full.
const std::map<char, Rgba> kLegend = {{'.', {}},
                                      {'r', {200, 30, 40, 255}},
                                      {'g', {20, 160, 60, 255}},
                                      {'b', {30, 60, 220, 255}},
                                      {'w', {250, 250, 250, 255}},
                                      {'k', {0, 0, 0, 255}},
                                      {'h', {90, 90, 90, 127}},
                                      {'H', {90, 90, 90, 128}},
                                      {'R', {200, 0, 0, 255}},
                                      {'O', {100, 40, 0, 255}}};

Pixels pixelsOf(const std::vector<std::string>& rows, std::size_t scale = 1) {
  Pixels pixels(rows.size() * scale);
  for (std::size_t y = 0; y < pixels.size(); ++y)
    for (std::size_t x = 0; x < rows[0].size() * scale; ++x)
      pixels[y].push_back(kLegend.at(rows[y / scale][x / scale]));
  return pixels;
}

// The channels named, of every pixel in turn.
std::string samplesOf(const Pixels& pixels, std::string_view channels) {
  std::string samples;
  for (const auto& row : pixels)
    for (const Rgba& p : row)
      for (const char c : channels)
        samples += static_cast<char>(c == 'r' ? p.r : c == 'g' ? p.g : c == 'b' ? p.b : p.a);
  return samples;
}

std::string png(const Pixels& pixels, int colorType = 6) {
  const std::size_t width = pixels[0].size();
  return test::pngFile(width, pixels.size(), colorType, 8, samplesOf(pixels, colorType == 0 ? "g" : "rgba"));
}

// The palette is the legend in its order; '.' is entry 0, see-through.
std::string palettePng(const std::vector<std::string>& rows) {
  Pixels palette(1);
  for (const auto& [letter, colour] : kLegend) palette[0].push_back(colour);
  std::string indices;
  for (const auto& row : rows)
    for (const char letter : row) indices += static_cast<char>(std::distance(kLegend.begin(), kLegend.find(letter)));
  return test::pngFile(rows[0].size(), rows.size(), 3, 8, indices, samplesOf(palette, "rgb"), samplesOf(palette, "a"));
}

// 16-bit samples are shown rounded to 8 bits; alpha decides first.
std::string deepPng() {
  std::string samples;
  for (const unsigned v : {0x01FF, 0xFF00, 0xFFFF, 0x8000, 0x8080, 0, 0x7F7F, 0xFFFF, 0x1234, 0x5678, 0x9ABC, 0x7FFF})
    samples += {static_cast<char>(v >> 8), static_cast<char>(v)};
  return test::pngFile(3, 1, 6, 16, samples);
}

struct RoundTrip {
  std::string file;  // its stem names the pony
  std::string bytes;
  Pixels shown;
  std::vector<std::string> options = {};
};

std::vector<RoundTrip> roundTrips() {
  const std::vector<std::string> sprite = {"..rr....", ".rwwr..b", "rwkwwr.b", ".rrrr..."};
  const auto cross = pixelsOf({"kwk", "wkw", "kwk"});
  const auto stripes = pixelsOf({"rgbwk", "kwbgr", "rrrrr"});
  const std::vector<std::string> badge = {".gg.", "gwwg", "gwwg", ".bb."};
  const Pixels averages = {{{150, 20, 0, 255}, kLegend.at('b')}, {kLegend.at('g'), {}}};
  return {
      // Margins of see-through pixels are cut off; a pixel less than half
      // opaque is one of them.
      {"alpha.png", png(pixelsOf({"h.....", "..rr..", ".rHhr.", ".rkkr.", "......"})),
       pixelsOf({".rr.", "rH.r", "rkkr"})},
      {"palette.png", palettePng(badge), pixelsOf(badge)},
      {"deep.png", deepPng(), {{{2, 254, 255, 255}, {128, 0, 127, 255}, {}}}},
      {"grey.png", png(cross, 0), cross},
      {"bitmap.bmp", test::bmpFile(5, 3, samplesOf(stripes, "rgb")), stripes},
      // 96 by 48 pixels do not fit 40 by 36: drawn at 4 times the size, the
      // largest whole multiple that fits.
      {"scaled.png", png(pixelsOf(sprite, 12)), pixelsOf(sprite, 4)},
      // Four pixels to one: colours weighted by opacity, and at least half
      // of the area opaque to show.
      {"averaged.png", png(pixelsOf({"RObb", "..bb", "gg..", "gg.k"})), averages, {"--box", "2x1"}},
  };
}

std::string describe(const Pixels& pixels) {
  std::string text;
  for (const auto& row : pixels) {
    for (const Rgba& p : row) {
      char hex[8] = " ......";
      if (p.opaque()) std::snprintf(hex, sizeof hex, " %02x%02x%02x", p.r, p.g, p.b);
      text += hex;
    }
    text += '\n';
  }
  return text;
}

// What trotspeak draws of the pony, the art alone, as an SVG that
// rsvg-convert renders: a cell is 8 by 16 pixels past a margin of 8, so each
// pixel of the art is read from the middle of its half cell. The backdrop
// shows where the art is see-through; the connector's empty rows go.
Pixels shownByTrotspeak(const test::TempDir& dir, const std::string& pony, std::size_t width) {
  const auto drawn = test::runProgram(TROTSPEAK_PATH, {"-p", pony, "-o", "--format=svg"}, dir.path(), "", "",
                                      {"TROTSPEAK_PATH=" + dir.path().string(), "XDG_DATA_HOME=" + (dir / "none").string()});
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  const auto rendered = test::runProgram(TROT_RSVG_CONVERT, {}, dir.path(), drawn.out);
  EXPECT_EQ(rendered.status, 0) << "needs rsvg-convert (Debian's librsvg2-bin): " << rendered.err;
  const Picture shot = decodePicture(rendered.out);
  const Rgba backdrop{24, 24, 24, 255};
  Pixels pixels;
  for (std::size_t y = 12; y + 8 < shot.height; y += 8) {
    std::vector<Rgba> row;
    for (std::size_t x = 12; row.size() < width; x += 8) row.push_back(x < shot.width ? shot.at(x, y) : Rgba{});
    std::replace(row.begin(), row.end(), backdrop, Rgba{});
    if (!pixels.empty() || std::count(row.begin(), row.end(), Rgba{}) < static_cast<std::ptrdiff_t>(width))
      pixels.push_back(row);
  }
  return pixels;
}

TEST(PictureRoundTrip, EveryPixelShownHasTheColourOfThePixelItCameFrom) {
#ifdef _WIN32
  GTEST_SKIP() << "rsvg-convert runs on the build machine";
#endif
  test::TempDir dir;
  for (const RoundTrip& trip : roundTrips()) {
    SCOPED_TRACE(trip.file);
    dir.write(trip.file, trip.bytes);
    const std::string pony = "Round trip " + trip.file;
    std::vector<std::string> args = {"picture", trip.file, "ponies", pony};
    args.insert(args.begin() + 1, trip.options.begin(), trip.options.end());
    const auto made = test::runProgram(TROTCONV_PATH, args, dir.path());
    ASSERT_EQ(made.status, 0) << made.out;

    Pixels expected = trip.shown;
    if (expected.size() % 2 != 0) expected.emplace_back(expected[0].size());
    EXPECT_EQ(describe(shownByTrotspeak(dir, pony, expected[0].size())), describe(expected));
  }
}

}  // namespace
}  // namespace trot
