#include "converter/balloon_text.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/utf8.hpp"

namespace trot {

namespace {

using ParseException = Bubble::ParseException;
using Items = std::map<std::string, std::vector<std::string>, std::less<>>;

struct BorderKey {
  const char* key;
  std::vector<std::string> Bubble::*element;
};

struct SideKey {
  const char* key;
  std::string Bubble::*element;
};

constexpr std::array<BorderKey, 5> kTop = {{{"nw", &Bubble::nw},
                                            {"nnw", &Bubble::nnw},
                                            {"n", &Bubble::n},
                                            {"nne", &Bubble::nne},
                                            {"ne", &Bubble::ne}}};
constexpr std::array<BorderKey, 5> kBottom = {{{"sw", &Bubble::sw},
                                               {"ssw", &Bubble::ssw},
                                               {"s", &Bubble::s},
                                               {"sse", &Bubble::sse},
                                               {"se", &Bubble::se}}};
constexpr std::array<SideKey, 4> kWest = {{{"nww", &Bubble::nww}, {"w", &Bubble::w}, {"sww", &Bubble::sww}, {"ww", &Bubble::ww}}};
constexpr std::array<SideKey, 4> kEast = {{{"nee", &Bubble::nee}, {"e", &Bubble::e}, {"see", &Bubble::see}, {"ee", &Bubble::ee}}};

// The heights are stored in one byte each.
constexpr std::size_t kMaxLines = 255;

bool isKeyBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

std::string_view trimKey(std::string_view key) {
  while (!key.empty() && isKeyBlank(key.front())) key.remove_prefix(1);
  while (!key.empty() && isKeyBlank(key.back())) key.remove_suffix(1);
  return key;
}

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// Where each value of an item starts in the text, for reports.
struct Place {
  std::size_t line;
  std::size_t column;
};
using Places = std::map<std::string, std::vector<Place>, std::less<>>;

// Characters are counted by their first bytes.
std::size_t characterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The line ends at the front of `text`: a CR LF pair is one, as is a lone CR
// or LF.
std::size_t lineEndsAtFront(std::string_view text, std::size_t& length) {
  std::size_t count = 0;
  length = 0;
  while (length < text.size() && isLineEnd(text[length])) {
    length += text.substr(length).starts_with("\r\n") ? 2 : 1;
    ++count;
  }
  return count;
}

// Runs of line ends separate lines, so blank lines vanish. A text that opens
// with a line end has no lines at all; existing balloon files rely on
// nothing else, and their sizes follow this rule. Reports count the lines
// as an editor does.
Items collectItems(std::string_view text, Places& places) {
  Items items;
  if (text.empty() || isLineEnd(text.front())) return items;
  std::string previousKey;
  bool hasPrevious = false;
  std::size_t lineNumber = 1;
  while (!text.empty()) {
    std::size_t end = 0;
    while (end < text.size() && !isLineEnd(text[end])) ++end;
    const auto line = text.substr(0, end);
    std::size_t ends = 0;
    const std::size_t breaks = lineEndsAtFront(text.substr(end), ends);
    text.remove_prefix(end + ends);

    const auto colon = line.find(':');
    if (colon != std::string_view::npos) {
      const auto key = trimKey(line.substr(0, colon));
      const std::size_t colonColumn = characterCount(line.substr(0, colon)) + 1;
      if (!key.empty()) {
        previousKey = std::string(key);
        hasPrevious = true;
      } else if (!hasPrevious) {
        throw ParseException("Unkown key for item" + atLineAndColumn(lineNumber, colonColumn));
      }
      items[previousKey].emplace_back(line.substr(colon + 1));
      places[previousKey].push_back({lineNumber, colonColumn + 1});
    }
    lineNumber += breaks;
  }
  return items;
}

const std::vector<std::string>& requireKey(const Items& items, const char* key) {
  const auto found = items.find(std::string_view(key));
  if (found == items.end()) throw ParseException(std::string("Cant find key ") + key);
  return found->second;
}

// Checks a top or bottom group and gives its height.
std::size_t checkBorder(const Items& items, const std::array<BorderKey, 5>& group) {
  const auto& first = requireKey(items, group[0].key);
  for (std::size_t i = 1; i < group.size(); ++i) {
    const auto& values = requireKey(items, group[i].key);
    if (values.size() != first.size()) {
      throw ParseException(std::string("Count of ") + group[0].key + "(" + std::to_string(first.size()) +
                           ") doesnt equal count of " + group[i].key + "(" + std::to_string(values.size()) + ")");
    }
  }
  if (first.size() > kMaxLines) {
    throw ParseException(std::string("Count of ") + group[0].key + "(" + std::to_string(first.size()) +
                         ") is more than " + std::to_string(kMaxLines));
  }
  return first.size();
}

// Checks a side group and gives its width.
std::uint8_t checkSide(const Items& items, const std::array<SideKey, 4>& group) {
  const auto firstSize = static_cast<std::uint8_t>(countCodePoints(items.find(std::string_view(group[0].key))->second[0]));
  for (std::size_t i = 1; i < group.size(); ++i) {
    const std::size_t size = countCodePoints(items.find(std::string_view(group[i].key))->second[0]);
    if (size != firstSize) {
      throw ParseException(std::string("Size of ") + group[0].key + "(" + std::to_string(firstSize) +
                           ") doesnt equal size of " + group[i].key + "(" + std::to_string(size) + ")");
    }
  }
  return firstSize;
}

// The item must be there; an empty value is a style without that connector.
std::uint32_t linkCodePoint(const Items& items, const char* key) {
  std::string_view value = requireKey(items, key).front();
  return decodeNext(value);
}

// A missing connector (code point 0) is written as an empty value.
std::string linkText(std::uint32_t codePoint) { return codePoint == 0 ? std::string() : encodeUtf8(codePoint); }

void writeBorder(const Bubble& bubble, const std::array<BorderKey, 5>& group, std::ostream& stream) {
  for (const auto& [key, element] : group) {
    bool first = true;
    for (const auto& line : bubble.*element) {
      if (first) stream << key;
      stream << ':' << line << '\n';
      first = false;
    }
  }
  stream << '\n';
}

void writeSide(const Bubble& bubble, const std::array<SideKey, 4>& group, std::ostream& stream) {
  for (const auto& [key, element] : group) stream << key << ':' << bubble.*element << '\n';
  stream << '\n';
}

}  // namespace

void parseBalloon(Bubble& bubble, std::string_view text) {
  Places places;
  const Items items = collectItems(withoutByteOrderMark(text), places);

  for (const auto& group : {kWest, kEast}) {
    for (const auto& side : group) {
      const auto& values = requireKey(items, side.key);
      if (values.size() != 1) {
        throw ParseException(std::string("Count of ") + side.key + std::to_string(values.size()) +
                             " doesnt equal 1");
      }
    }
  }
  const std::size_t topHeight = checkBorder(items, kTop);
  const std::size_t bottomHeight = checkBorder(items, kBottom);
  const std::uint8_t leftWidth = checkSide(items, kWest);
  const std::uint8_t rightWidth = checkSide(items, kEast);
  const std::uint32_t linkSlash = linkCodePoint(items, "/");
  const std::uint32_t linkBackslash = linkCodePoint(items, "\\");
  const std::uint32_t linkX = linkCodePoint(items, "X");

  Bubble built;
  for (const auto& group : {kTop, kBottom}) {
    for (const auto& [key, element] : group) built.*element = items.find(std::string_view(key))->second;
  }
  for (const auto& group : {kWest, kEast}) {
    for (const auto& [key, element] : group) built.*element = items.find(std::string_view(key))->second.front();
  }
  built.topHeight = static_cast<std::uint8_t>(topHeight);
  built.bottomHeight = static_cast<std::uint8_t>(bottomHeight);
  built.leftWidth = leftWidth;
  built.rightWidth = rightWidth;
  built.linkSlash = linkSlash;
  built.linkBackslash = linkBackslash;
  built.linkX = linkX;
  built.checkPieces([&](std::string_view piece, std::size_t line, std::size_t byte) {
    const Place& place = places.find(piece)->second.at(line - 1);
    const std::string& value = items.find(piece)->second.at(line - 1);
    return atLineAndColumn(place.line, place.column + characterCount(std::string_view(value).substr(0, byte + 1)) - 1);
  });
  bubble = std::move(built);
}

void writeBalloon(const Bubble& bubble, std::ostream& stream) {
  stream << "/:" << linkText(bubble.linkSlash) << '\n';
  stream << "\\:" << linkText(bubble.linkBackslash) << '\n';
  stream << "X:" << linkText(bubble.linkX) << "\n\n";
  writeBorder(bubble, kTop, stream);
  writeBorder(bubble, kBottom, stream);
  writeSide(bubble, kWest, stream);
  writeSide(bubble, kEast, stream);
}

}  // namespace trot
