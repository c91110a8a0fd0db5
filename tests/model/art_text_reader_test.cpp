// The pony art text reader on every sample under tests/model/art_text: its
// golden file shows what was read (the header, the size and rows of the
// art, where the bubble goes and the messages the reader went on after) or
// why the file was refused. The file names say what each sample shows.
#include "model/art_text_reader.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <iomanip>
#include <sstream>

#include "tests/support/golden.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

// A cell as "upper/lower" colours, "--" for a transparent half, or the
// connector's own mark.
std::string describeCell(const ArtCell& cell) {
  if (cell.connector) return cell.connectorSlash ? "/" : "\\";
  std::ostringstream out;
  out << std::hex << std::setfill('0');
  for (const bool upper : {true, false}) {
    if (!upper) out << '/';
    if (upper ? cell.upperTransparent : cell.lowerTransparent) {
      out << "--";
      continue;
    }
    const Color color = upper ? cell.upper : cell.lower;
    for (const auto channel : {color.r, color.g, color.b}) out << std::setw(2) << int{channel};
  }
  return out.str();
}

std::string describe(std::string_view text) {
  AsciiArt art;
  ArtHeader header;
  std::ostringstream messages;
  try {
    parseArtText(art, text, &header, messages);
  } catch (const AsciiArt::ParserException& failure) {
    return "refused: " + failure.message() + "\n";
  }
  std::ostringstream out;
  for (const auto& [key, value] : header) out << "header " << key << "=" << value << "\n";
  out << "width " << int{art.width} << ", bubble " << int{art.bubbleSize} << (art.bubbleAbove ? " above" : " below")
      << "\n";
  for (const auto& row : art.rows) {
    out << "indent " << int{row.indent} << ":";
    for (const auto& cell : row.cells) out << " " << describeCell(cell);
    out << "\n";
  }
  return out.str() + messages.str();
}

TEST(ArtTextReader, EverySampleReadsAsItsGoldenFileShows) {
  std::size_t samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TROT_ART_TEXT_SAMPLES)) {
    const std::string name = entry.path().stem().string();
    EXPECT_GOLDEN("model/art_text/" + name + ".txt", describe(test::readFile(entry.path()))) << name;
    ++samples;
  }
  EXPECT_GE(samples, 28u);
}

}  // namespace
}  // namespace trot
