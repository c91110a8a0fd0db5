#include "model/art_text_reader.hpp"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/utf8.hpp"

namespace trot {

namespace {

// The art model counts rows, cells and columns in single bytes.
constexpr std::size_t kMaxCells = 255;
constexpr std::size_t kMaxRows = 255;

constexpr std::uint32_t kEscape = 0x1B;
constexpr std::uint32_t kUpperHalf = 0x2580;
constexpr std::uint32_t kLowerHalf = 0x2584;
constexpr std::uint32_t kFullBlock = 0x2588;

using ParserException = AsciiArt::ParserException;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Palette components are written with digits 0-9 and letters a-z (either
// case), the letters counting on from 10; anything else gives -1.
int paletteDigit(char c) {
  if (isDecimalDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// Cuts a header value part into values: commas separate them, and a
// parenthesised note is dropped and separates the text around it too.
void addHeaderValues(ArtHeader& header, std::string_view key, std::string_view valuePart) {
  std::string value;
  std::size_t depth = 0;
  const auto flush = [&] {
    const auto trimmed = trim(value);
    if (!trimmed.empty()) header.emplace(std::string(key), std::string(trimmed));
    value.clear();
  };
  for (const char c : valuePart) {
    if (c == '(') {
      if (depth == 0) flush();
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    } else if (depth > 0) {
      continue;
    } else if (c == ',') {
      flush();
    } else {
      value += c;
    }
  }
  flush();
}

std::size_t lineEndFrom(std::string_view text, std::size_t from) {
  const auto end = text.find_first_of("\r\n", from);
  return end == std::string_view::npos ? text.size() : end;
}

std::size_t afterLineEnd(std::string_view text, std::size_t end) {
  if (text.substr(end).starts_with("\r\n")) return end + 2;
  return end < text.size() ? end + 1 : end;
}

// Reads the header into `header` and gives the offset where the body starts.
std::size_t readHeader(std::string_view text, ArtHeader& header) {
  if (!text.starts_with("$$$")) throw ParserException("Invalid header, no starting seperator: '$$$'" + atLineAndColumn(1, 1));
  std::size_t pos = lineEndFrom(text, 0);
  for (;;) {
    while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
    if (pos == text.size()) throw ParserException("Unexpected end of file while parsing meta");
    const std::size_t end = lineEndFrom(text, pos);
    const auto line = text.substr(pos, end - pos);
    if (line.starts_with("$$$")) return afterLineEnd(text, end);
    const auto colon = line.find(':');
    if (colon != std::string_view::npos) addHeaderValues(header, trim(line.substr(0, colon)), line.substr(colon + 1));
    pos = end;
  }
}

// Parses the rest of a direct colour selection after "[38" or "[48":
// ";2;R;G;Bm" with each component 0-255.
bool parseDirectColor(std::string_view rest, Color& color) {
  if (!rest.starts_with(";2;") || !rest.ends_with('m')) return false;
  rest = rest.substr(3, rest.size() - 4);
  std::uint8_t components[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto end = std::min(rest.find(';'), rest.size());
    const auto number = rest.substr(0, end);
    if (number.empty() || number.size() > 3 || !std::all_of(number.begin(), number.end(), isDecimalDigit)) return false;
    unsigned value = 0;
    for (const char c : number) value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 255) return false;
    components[i] = static_cast<std::uint8_t>(value);
    const bool last = i == 2;
    if (last != (end == rest.size())) return false;
    rest.remove_prefix(last ? end : end + 1);
  }
  color = Color(components[0], components[1], components[2]);
  return true;
}

ArtCell makeCell(Color upper, Color lower) {
  ArtCell cell;
  if (!upper.isDefault) {
    cell.upper = upper;
    cell.upperTransparent = false;
  }
  if (!lower.isDefault) {
    cell.lower = lower;
    cell.lowerTransparent = false;
  }
  return cell;
}

bool isEmptyCell(const ArtCell& cell) { return !cell.connector && cell.upperTransparent && cell.lowerTransparent; }

// The picture part of the file, read line by line. Colours, modes and cells
// never carry over from one line to the next.
class BodyReader {
 public:
  BodyReader(std::ostream& messages, std::size_t firstLine) : messages_(messages), lineNumber_(firstLine) {}

  void read(std::string_view body) {
    while (!body.empty()) {
      const std::string_view before = body;
      ++column_;
      // Pictures are mostly escape sequences: ASCII needs no decoding.
      std::uint32_t c = static_cast<unsigned char>(body.front());
      if (c < 0x80) {
        body.remove_prefix(1);
      } else {
        c = decodeNext(body);
      }
      const auto bytes = before.substr(0, before.size() - body.size());
      if (c == 0 || c == '\n') {
        endLine();
      } else if (c == '\r') {
        continue;
      } else if (c == ' ') {
        space();
      } else if (c == kUpperHalf) {
        addCell(makeCell(foreground_, background_));
      } else if (c == kLowerHalf) {
        addCell(makeCell(background_, foreground_));
      } else if (c == kFullBlock) {
        addCell(makeCell(foreground_, foreground_));
      } else if (c > 0xFF) {
        reportLargeChar(c, bytes);
      } else if (c == '$') {
        dollarMode_ = !dollarMode_;
        if (dollarMode_) {
          clearBuffer();
          bufferColumn_ = column_ + 1;
        } else {
          interpretMarker();
        }
      } else if (c == kEscape || (c == '^' && body.starts_with('['))) {
        escapeColumn_ = column_;
        if (c == '^') {
          body.remove_prefix(1);
          ++column_;
        }
        escapeMode_ = true;
        dollarMode_ = false;
        clearBuffer();
        bufferColumn_ = column_ + 1;
      } else {
        smallChar(c);
      }
    }
    endLine();
  }

  std::vector<ArtRow> rows;
  std::size_t width = 0;
  bool sawBalloon = false;
  std::uint8_t bubbleSize = 0;
  std::size_t balloonRow = 0;

 private:
  void space() {
    if (!hasCell() && background_.isDefault) {
      ++indent_;
    } else {
      addCell(makeCell(background_, background_));
    }
  }

  bool hasCell() const { return !cells_.empty() || heldBack_ > 0; }

  // Empty cells are only counted until a visible one follows them, since
  // trailing ones are dropped; a line thus never holds more than a row can.
  void addCell(const ArtCell& cell) {
    if (isEmptyCell(cell)) {
      ++heldBack_;
      return;
    }
    const std::size_t count = cells_.size() + heldBack_ + 1;
    if (count > kMaxCells) {
      throw ParserException(line() + " has more than " + std::to_string(kMaxCells) + " cells, the most a row can hold");
    }
    if (indent_ + count > kMaxCells) {
      throw ParserException(line() + " is wider than " + std::to_string(kMaxCells) +
                            " cells with its indent, the most an art can hold");
    }
    cells_.resize(cells_.size() + heldBack_);
    heldBack_ = 0;
    cells_.push_back(cell);
  }

  std::string line() const { return "Line " + std::to_string(lineNumber_); }
  std::string here(std::size_t column) const { return atLineAndColumn(lineNumber_, column); }

  void addConnector(bool slash) {
    ArtCell cell;
    cell.connector = true;
    cell.connectorSlash = slash;
    addCell(cell);
  }

  void reportLargeChar(std::uint32_t c, std::string_view bytes) {
    messages_ << "Unexpected large char: " << c << here(column_) << "\n  " << std::hex;
    for (const char byte : bytes) messages_ << ' ' << static_cast<unsigned>(static_cast<unsigned char>(byte));
    messages_ << std::dec << "\n";
  }

  void smallChar(std::uint32_t c) {
    if (!escapeMode_ && !dollarMode_) {
      throw ParserException("Unexpected unescaped small char: " + std::to_string(c) + here(column_));
    }
    buffer_ += static_cast<char>(c);
    bufferHasM_ = bufferHasM_ || c == 'm';
    if (escapeMode_) interpretEscape();
  }

  void interpretMarker() {
    for (const std::string_view word : {std::string_view("balloon"), std::string_view("bubble")}) {
      if (std::string_view(buffer_).starts_with(word)) {
        readBubbleSize(std::string_view(buffer_).substr(word.size()), word.size());
        return;
      }
    }
    if (buffer_ == "\\") {
      addConnector(false);
    } else if (buffer_ == "/") {
      addConnector(true);
    } else {
      messages_ << "Failed to parse escaped sequence: '" << escapeControlBytes(buffer_) << "'" << here(bufferColumn_ - 1) << "\n";
    }
  }

  // The digits after the marker's word, which stands `wordLength` bytes into the buffer.
  void readBubbleSize(std::string_view digits, std::size_t wordLength) {
    unsigned size = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
      const char c = digits[i];
      if (!isDecimalDigit(c)) {
        // The buffer holds one byte per character read into it.
        throw ParserException("Failed to parse invalid bubble size: '" + std::string(digits) + "'" +
                              here(bufferColumn_ + wordLength + i));
      }
      size = (size * 10 + static_cast<unsigned>(c - '0')) % 256;
    }
    sawBalloon = true;
    bubbleSize = static_cast<std::uint8_t>(size);
    balloonRow = rows.size();
  }

  // Called after every byte added in escape mode; ends escape mode once the
  // sequence is complete.
  void interpretEscape() {
    // Runs for every byte of every colour in a picture: plain byte tests.
    if (buffer_.size() >= 2 && buffer_[0] == ']' && buffer_[1] == 'P') {
      paletteByte();
      return;
    }
    if (buffer_.size() == 3 && buffer_[0] == '[' && buffer_[1] == '0' && buffer_[2] == 'm') {
      resetColors();
      escapeMode_ = false;
      return;
    }
    if (buffer_.size() < 4 || buffer_[0] != '[' || !bufferHasM_) return;
    escapeMode_ = false;
    const char kind = buffer_[1];
    const char code = buffer_[2];
    Color direct;
    if (kind == '3' && code >= '0' && code <= '7') {
      foreground_ = std::exchange(pending_, Color());
    } else if (kind == '3' && code == '9') {
      foreground_ = pending_ = Color();
    } else if (kind == '4' && code >= '0' && code <= '7') {
      background_ = std::exchange(pending_, Color());
    } else if (kind == '4' && code == '9') {
      background_ = pending_ = Color();
    } else if (kind == '0' && code == '0') {
      resetColors();
    } else if ((kind == '3' || kind == '4') && code == '8' &&
               parseDirectColor(std::string_view(buffer_).substr(3), direct)) {
      (kind == '3' ? foreground_ : background_) = direct;
    } else {
      messages_ << "Unknown escape sequence: '" << escapeControlBytes(buffer_) << "'" << here(escapeColumn_) << "\n";
    }
  }

  // "]P", one index byte ignored, then two digits each for red, green and
  // blue. A component is stored as soon as its second digit arrives.
  void paletteByte() {
    const std::size_t index = buffer_.size() - 1;
    if (index < 3) return;
    const int digit = paletteDigit(buffer_[index]);
    if (digit < 0) {
      escapeMode_ = false;
      return;
    }
    if (index % 2 == 0) {
      const auto component = static_cast<std::uint8_t>((paletteDigit(buffer_[index - 1]) * 16 + digit) % 256);
      (index == 4 ? pending_.r : index == 6 ? pending_.g : pending_.b) = component;
    }
    if (buffer_.size() == 9) {
      pending_.isDefault = 0;
      escapeMode_ = false;
    }
  }

  void clearBuffer() {
    buffer_.clear();
    bufferHasM_ = false;
  }

  void resetColors() { pending_ = foreground_ = background_ = Color(); }

  void endLine() {
    if (!cells_.empty()) addRow();
    resetColors();
    dollarMode_ = escapeMode_ = false;
    clearBuffer();
    indent_ = 0;
    cells_.clear();
    heldBack_ = 0;
    ++lineNumber_;
    column_ = 0;
  }

  void addRow() {
    if (rows.size() == kMaxRows) {
      throw ParserException(line() + " would be row " + std::to_string(kMaxRows + 1) + ", more than the " +
                            std::to_string(kMaxRows) + " rows an art can hold");
    }
    width = std::max(width, indent_ + cells_.size());
    ArtRow row;
    row.indent = static_cast<std::uint8_t>(indent_);
    // A copy of exactly the row's size; the line's vector keeps its room for the next line.
    row.cells.assign(cells_.begin(), cells_.end());
    rows.push_back(std::move(row));
  }

  std::ostream& messages_;
  std::size_t lineNumber_;
  std::size_t column_ = 0;  // of the character last read, from 1
  std::size_t bufferColumn_ = 0;  // where the buffer's first byte was read
  std::size_t escapeColumn_ = 0;  // where the escape sequence began
  Color pending_;
  Color foreground_;
  Color background_;
  bool dollarMode_ = false;
  bool escapeMode_ = false;
  std::string buffer_;
  bool bufferHasM_ = false;  // an "m" can end a sequence wherever it stands
  std::size_t indent_ = 0;
  std::vector<ArtCell> cells_;
  std::size_t heldBack_ = 0;  // empty cells after the last visible one
};

}  // namespace

void parseArtText(AsciiArt& art, std::string_view text, ArtHeader* header, std::ostream& messages) {
  text = withoutByteOrderMark(text);
  ArtHeader pairs;
  const std::size_t bodyStart = readHeader(text, pairs);

  const auto firstBodyLine =
      static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bodyStart), '\n')) +
      1;
  BodyReader reader(messages, firstBodyLine);
  reader.read(text.substr(bodyStart));

  bool bubbleAbove = reader.rows.size() / 2 > reader.balloonRow;
  if (const auto balloon = pairs.lower_bound("BALLOON"); balloon != pairs.end() && balloon->first == "BALLOON") {
    if (balloon->second == "top") bubbleAbove = true;
    if (balloon->second == "bottom") bubbleAbove = false;
  }

  art.rows = std::move(reader.rows);
  art.width = static_cast<std::uint8_t>(reader.width);
  if (reader.sawBalloon) art.bubbleSize = reader.bubbleSize;
  art.bubbleAbove = bubbleAbove;
  if (header != nullptr) header->merge(pairs);
}

}  // namespace trot
