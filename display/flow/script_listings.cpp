#include "display/flow/script_listings.hpp"

#include <unordered_set>

#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

void writeLine(std::ostream& out, std::string_view text) { out << plainText(text) << '\n'; }

}  // namespace

std::string quoteAsLine(std::string_view text) {
  // The line feed that ends most quote files ends the listed line instead.
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
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

void listNames(PonyCollection& ponies, std::ostream& out) {
  for (std::size_t i = 0; i < ponies.size(); ++i) writeLine(out, ponies.summary(i).name);
  out << std::flush;
}

void listArtNames(PonyCollection& ponies, Character* pony, std::ostream& out) {
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

void listQuoteLines(PonyCollection& ponies, Character& pony, std::ostream& out) {
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
