// Where a line may break between two characters: the classes and pair rules
// of Unicode's line breaking algorithm (UAX #14).
#pragma once

#include <cstdint>
#include <span>

namespace trot {

// The classes in the order of tools/unicode/generate_line_break_classes.py,
// OPW and CPW the OP and CP of East Asian width, IDP an unassigned emoji.
enum class LineBreakClass : std::uint8_t {
  BK, CR, LF, NL, SP, ZW, ZWJ, CM, WJ, GL, BA, BB, B2, HY, CB, CL, CP, EX, IN, NS, OP,
  QU, IS, NU, PO, PR, SY, AL, HL, ID, EB, EM, H2, H3, JL, JV, JT, RI, OPW, CPW, IDP,
};

// The generated table (line_break_table.cpp): sorted runs of code points of
// one class, each (first << 6) | class, and ASCII's classes, one a byte.
std::span<const std::uint32_t> lineBreakRuns();
extern const std::uint8_t kAsciiLineBreakClasses[0x80];

// Any value is accepted; those beyond Unicode are AL.
LineBreakClass lineBreakClassBeyondAscii(std::uint32_t codePoint);
inline LineBreakClass lineBreakClass(std::uint32_t codePoint) {
  if (codePoint >= 0x80) return lineBreakClassBeyondAscii(codePoint);
  return static_cast<LineBreakClass>(kAsciiLineBreakClasses[codePoint]);
}

// Reads the classes of a text's characters in order, and says before which
// of them a line may break.
class BreakRules {
 public:
  // Whether a line may break before a character of class `next` after those
  // read.
  bool breaksBefore(LineBreakClass next) const;
  void read(LineBreakClass next);
  // Letters and digits after a letter or digit, most of any text, never
  // break (rules 23, 25 and 28).
  bool continuesWord(LineBreakClass next) const { return started_ && isWord(before_) && isWord(next); }
  // Reads letters and digits ending in one of class `last`, then spaces if
  // `spaced`; the one before the last counts only when that is HY or BA.
  void readWord(LineBreakClass last, bool spaced) {
    started_ = true;
    twoBefore_ = spaced ? last : LineBreakClass::AL;
    before_ = spaced ? LineBreakClass::SP : last;
    beforeSpaces_ = last;
    afterJoiner_ = oddRegional_ = false;
  }
 private:
  static bool isWord(LineBreakClass c) { return c == LineBreakClass::AL || c == LineBreakClass::NU; }
  // A combining mark or joiner that goes with the character before it.
  bool attaches(LineBreakClass next) const;
  bool pairBreaks(LineBreakClass a, LineBreakClass b, LineBreakClass next) const;

  // What the text read ends in: the last character (marks fold into it) and
  // the one before, the last but spaces, a joiner, odd regional indicators.
  bool started_ = false;
  LineBreakClass before_ = LineBreakClass::AL;
  LineBreakClass twoBefore_ = LineBreakClass::AL;
  LineBreakClass beforeSpaces_ = LineBreakClass::AL;
  bool afterJoiner_ = false;
  bool oddRegional_ = false;
};

}  // namespace trot
