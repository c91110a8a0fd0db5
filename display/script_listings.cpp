#include "display/script_listings.hpp"

#include <unordered_set>

namespace trot {

namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kC1First = 0x80;
constexpr unsigned char kC1Last = 0x9F;

void writeLine(std::ostream& out, std::string_view text) { out << withoutControlBytes(text) << '\n'; }

}  // namespace

std::string withoutControlBytes(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == kDelete) continue;
    if (c == kC1Lead && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= kC1First && next <= kC1Last) {
        ++i;
        continue;
      }
    }
    kept += text[i];
  }
  return kept;
}

std::string quoteAsLine(std::string_view text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      line += "\\\\";
    } else if (c == '\n' || c == '\r') {
      line += "\\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  return line;
}

void listNames(PonySource& ponies, std::ostream& out) {
  for (std::size_t i = 0; i < ponies.size(); ++i) writeLine(out, ponies.summary(i).name);
  out << std::flush;
}

void listArtNames(PonySource& ponies, Character* pony, std::ostream& out) {
  const auto listPony = [&](Character& shown, std::unordered_set<std::string>& seen) {
    const auto count = static_cast<std::uint16_t>(shown.artCount());
    for (std::uint16_t j = 0; j < count; ++j) {
      const std::string& name = ponies.artName(shown, j);
      if (seen.insert(name).second) writeLine(out, name);
    }
  };
  std::unordered_set<std::string> seen;
  if (pony != nullptr) {
    listPony(*pony, seen);
  } else {
    for (std::size_t i = 0; i < ponies.size(); ++i) {
      listPony(ponies.character(i), seen);
      ponies.release(i);
    }
  }
  out << std::flush;
}

void listQuoteLines(PonySource& ponies, Character& pony, std::ostream& out) {
  const auto count = static_cast<std::uint16_t>(pony.quoteCount());
  for (std::uint16_t k = 0; k < count; ++k) writeLine(out, quoteAsLine(ponies.quote(pony, k).text));
  out << std::flush;
}

void listBubbleNames(const std::vector<std::filesystem::path>& files, std::ostream& out) {
  for (const auto& file : files)
    if (file.extension() == ".bin") writeLine(out, file.stem().string());
  out << std::flush;
}

}  // namespace trot
