#include "display/flow/listings.hpp"

#include <sstream>

#include "model/bubble.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/files/file_io.hpp"
#include "render/bubble_renderer.hpp"
#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

constexpr std::string_view kBubbleSample = "MROW  Mwop  MROW";
constexpr std::uint8_t kBubbleSampleWidth = 100;
constexpr std::size_t kNameColumn = 20;

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// Tabs that bring names of up to 20 bytes to roughly one column.
std::string nameTabs(std::size_t nameLength) {
  if (nameLength >= kNameColumn) return {};
  const std::size_t gap = kNameColumn - nameLength;
  return std::string((gap + 7) / 8, '\t');
}

void sampleVariant(std::ostream& out, const char* label, const Bubble& bubble) {
  std::ostringstream sample;
  renderBubble(bubble, sample, kBubbleSample, kBubbleSampleWidth, nullptr);
  out << label << sample.str();
}

}  // namespace

void listPonies(PonyCollection& ponies, std::ostream& out) {
  out << ponies.size() << " Ponies:\n";
  for (std::size_t i = 0; i < ponies.size(); ++i) {
    const CharacterSummary pony = ponies.summary(i);
    const std::string name = terminalSafeText(pony.name);
    out << "\t'" << name << "'  " << nameTabs(name.size()) << "Arts: " << pony.artCount
        << " \tQuotes: " << pony.quoteCount << '\n';
  }
  out << '\n' << std::flush;
}

void listArts(PonyCollection& ponies, Character& pony, std::ostream& out) {
  out << "Pony '" << terminalSafeText(pony.name) << "' " << pony.artCount() << " art variants:\n";
  const auto count = static_cast<std::uint16_t>(pony.artCount());
  for (std::uint16_t j = 0; j < count; ++j) out << '\t' << terminalSafeText(ponies.artName(pony, j)) << '\n';
  out << std::flush;
}

std::vector<std::string_view> quoteLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!isLineBreak(text[i])) {
      ++i;
      continue;
    }
    lines.push_back(text.substr(start, i - start));
    while (i < text.size() && isLineBreak(text[i])) ++i;
    start = i;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void listQuotes(PonyCollection& ponies, Character& pony, std::ostream& out) {
  out << "Pony '" << terminalSafeText(pony.name) << "' " << pony.quoteCount() << " quotes:\n";
  const auto count = static_cast<std::uint16_t>(pony.quoteCount());
  for (std::uint16_t k = 0; k < count; ++k) {
    const auto lines = quoteLines(ponies.quote(pony, k).text);
    const char* mark = lines.size() < 2 ? "\"" : "\"\"\"";
    out << " #" << k << '\t' << mark;
    for (std::size_t l = 0; l < lines.size(); ++l) out << (l == 0 ? "" : "\n\t   ") << terminalSafeText(lines[l]);
    out << mark << '\n';
  }
  out << std::flush;
}

void listBubbles(const std::vector<std::filesystem::path>& files, std::ostream& out, std::ostream& messages) {
  for (const auto& file : files) {
    std::ostringstream samples;
    try {
      BubbleTypes styles;
      loadFromFile(styles, file);
      if (styles.hasSay()) sampleVariant(samples, "\tSay:\n", styles.getSay());
      if (styles.hasThink()) sampleVariant(samples, "\tThink:\n", styles.getThink());
    } catch (const Exception& failure) {
      out << std::flush;
      messages << "Failed to process bubble '" << quotedPath(file) << "': ";
      failure.print(messages);
      continue;
    }
    out << "---- Bubble Type: " << terminalSafeText(file.stem().string()) << " -------\n"
        << samples.str() << std::flush;
  }
}

}  // namespace trot
