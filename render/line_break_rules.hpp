// Where a line may break between two characters: the classes and pair rules
// of Unicode's line breaking algorithm (UAX #14), numbers kept whole as its
// example tailoring of rule 25 keeps them.
#pragma once

#include <cstdint>
#include <utility>

#include "render/line_break_table.hpp"

namespace trot {

// The classes as tools/unicode/generate_line_break_classes.py resolves them,
// in the order of its table. OPW and CPW are opening and closing punctuation
// of East Asian width; IDP is an unassigned pictographic code point.
enum class LineBreakClass : std::uint8_t {
  BK, CR, LF, NL, SP, ZW, ZWJ, CM, WJ, GL, BA, BB, B2, HY, CB, CL, CP, EX, IN, NS, OP,
  QU, IS, NU, PO, PR, SY, AL, HL, ID, EB, EM, H2, H3, JL, JV, JT, RI, OPW, CPW, IDP,
};

// Any value is accepted; those beyond Unicode are AL.
LineBreakClass lineBreakClassBeyondAscii(std::uint32_t codePoint);
inline LineBreakClass lineBreakClass(std::uint32_t codePoint) {
  if (codePoint >= 0x80) return lineBreakClassBeyondAscii(codePoint);
  return static_cast<LineBreakClass>(kAsciiLineBreakClasses[codePoint]);
}

// Reads the classes of a text's characters in order, and says before which
// of them a line may break.
class alignas(8) BreakRules {
 public:
  // Whether a line may break before a character of class `next`, which then
  // counts as read. `afterNext` is the class of the character after it,
  // combining marks skipped; it is looked at only when `next` is OP or HY,
  // which stay with a number's prefix only when a digit follows.
  bool breaksBefore(LineBreakClass next, LineBreakClass afterNext) {
    // Letters and digits after letters and digits, most of any text, never
    // break (rules 23, 25 and 28).
    if (!started_ || !isWord(before_) || !isWord(next)) return read(next, afterNext);
    twoBefore_ = std::exchange(before_, next);
    beforeSpaces_ = next;
    afterJoiner_ = oddRegional_ = false;
    number_ = next == LineBreakClass::NU ? Number::Digits : Number::None;
    return false;
  }

 private:
  enum class Number : std::uint8_t { None, Digits, Closed };

  static bool isWord(LineBreakClass c) { return c == LineBreakClass::AL || c == LineBreakClass::NU; }
  bool read(LineBreakClass next, LineBreakClass afterNext);
  bool pairBreaks(LineBreakClass a, LineBreakClass b, LineBreakClass next, LineBreakClass afterNext) const;

  // What the characters read so far end in: the last (combining marks fold
  // into it) and the one before, the last that is not a space, a joiner, an
  // odd run of regional indicators, a number: NU (NU | SY | IS)*, possibly
  // closed by CL or CP.
  bool started_ = false;
  LineBreakClass before_ = LineBreakClass::AL;
  LineBreakClass twoBefore_ = LineBreakClass::AL;
  LineBreakClass beforeSpaces_ = LineBreakClass::AL;
  bool afterJoiner_ = false;
  bool oddRegional_ = false;
  Number number_ = Number::None;
};

}  // namespace trot
