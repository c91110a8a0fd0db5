// Helpers for the model's codec tests: byte strings, memory streams and
// ready-made slots.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "model/character.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot::test {

inline std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int value : values) out.push_back(static_cast<char>(value));
  return out;
}
inline std::string u16(std::uint32_t v) { return bytes({static_cast<int>(v & 0xFF), static_cast<int>(v >> 8 & 0xFF)}); }
inline std::string u32(std::uint32_t v) { return u16(v & 0xFFFF) + u16(v >> 16); }
inline std::string text(std::string_view s) { return std::string(s) + '\0'; }

inline std::stringstream streamOf(std::string_view content) {
  return std::stringstream(std::string(content), std::ios::in | std::ios::out | std::ios::binary);
}

// One whole encode pass, as the programs run it.
inline std::string encodeBytes(Transcoder& object) {
  std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
  object.encodeInit();
  object.encode(out);
  return out.str();
}

// The fuzz targets' seed files are the encoder's output for some of the
// samples here; TROT_UPDATE_SEEDS=1 rewrites them instead of comparing.
inline void checkSeed(const std::string& target, const std::string& name, Transcoder& sample) {
  const auto path = std::filesystem::path(TROT_FUZZ_DIR) / "corpus" / target / name;
  if (std::getenv("TROT_UPDATE_SEEDS") != nullptr) std::ofstream(path, std::ios::binary) << encodeBytes(sample);
  EXPECT_BYTES(readFile(path), encodeBytes(sample)) << path;
}

// The message of the Exception that `call` throws, prefixed with its type
// and followed by its reason when it has one.
template <class Call>
std::string failureOf(Call&& call) {
  try {
    call();
  } catch (const Exception& e) {
    return std::string(e.typeName()) + ": " + e.message() + (e.reason().empty() ? "" : ": " + e.reason());
  }
  return "no failure";
}

inline std::shared_ptr<QuoteHook> makeQuote(std::string text) {
  auto quote = std::make_unique<Quote>();
  quote->text = std::move(text);
  return std::make_shared<QuoteHook>(std::move(quote));
}

// An art variant of one row holding `cells`.
inline std::shared_ptr<ArtHook> makeArt(std::string name, std::vector<ArtCell> cells = {}) {
  auto meta = std::make_unique<AsciiArtMeta>();
  meta->name = std::move(name);
  meta->art.set(std::make_unique<AsciiArt>());
  meta->art.get().rows.push_back(ArtRow{0, std::move(cells)});
  return std::make_shared<ArtHook>(std::move(meta));
}

inline ArtCell colorCell(std::uint8_t upper, std::uint8_t lower) {
  ArtCell cell;
  cell.upperTransparent = cell.lowerTransparent = false;
  cell.upper = {upper, upper, upper};
  cell.lower = {lower, lower, lower};
  return cell;
}

}  // namespace trot::test
