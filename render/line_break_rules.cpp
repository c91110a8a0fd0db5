#include "render/line_break_rules.hpp"

#include <algorithm>

namespace trot {

namespace {

using enum LineBreakClass;

template <class... Classes>
bool isAny(LineBreakClass c, Classes... classes) {
  return ((c == classes) || ...);
}

// Split classes behave as the class they come from, except where a rule
// names them.
LineBreakClass unsplit(LineBreakClass c) { return c == OPW ? OP : c == CPW ? CP : c == IDP ? ID : c; }

}  // namespace

LineBreakClass lineBreakClassBeyondAscii(std::uint32_t codePoint) {
  if (codePoint >= 0x110000) return AL;
  const auto runs = lineBreakRuns();
  return static_cast<LineBreakClass>(*(std::upper_bound(runs.begin(), runs.end(), (codePoint << 6) | 0x3F) - 1) & 0x3F);
}

// A combining mark or joiner goes with the character before it (rule 9);
// one that has none counts as a letter (rule 10).
bool BreakRules::attaches(LineBreakClass next) const {
  return (next == CM || next == ZWJ) && started_ && !isAny(unsplit(before_), BK, CR, LF, NL, SP, ZW);
}

bool BreakRules::breaksBefore(LineBreakClass next) const {
  if (!started_ || continuesWord(next) || attaches(next)) return false;
  if (before_ == SP && isWord(next)) return beforeSpaces_ != OP;  // the commonest pair left (rules 14, 18)
  if (next == CM || next == ZWJ) next = AL;
  return pairBreaks(unsplit(before_), unsplit(next), next);
}

void BreakRules::read(LineBreakClass next) {
  const bool joiner = next == ZWJ;
  if (attaches(next)) {
    afterJoiner_ = joiner;
    return;
  }
  if (next == CM || joiner) next = AL;
  const LineBreakClass b = unsplit(next);
  started_ = true;
  twoBefore_ = unsplit(before_);
  before_ = next;
  if (b != SP) beforeSpaces_ = b;
  afterJoiner_ = joiner;
  oddRegional_ = b == RI && !oddRegional_;
}

// The rules from 4 on, in their order, for the pair (a, b); `next` is b as
// split, `before_` a as split.
bool BreakRules::pairBreaks(LineBreakClass a, LineBreakClass b, LineBreakClass next) const {
  if (a == BK) return true;                                                      // 4
  if (a == CR && b == LF) return false;                                          // 5
  if (isAny(a, CR, LF, NL)) return true;
  if (isAny(b, BK, CR, LF, NL, SP, ZW)) return false;                            // 6, 7
  if (beforeSpaces_ == ZW) return true;                                          // 8
  if (afterJoiner_ || a == WJ || b == WJ || a == GL) return false;               // 8a, 11, 12
  if (b == GL && !isAny(a, SP, BA, HY)) return false;                            // 12a
  if (isAny(b, CL, CP, EX, IS, SY)) return false;                                // 13
  if (beforeSpaces_ == OP) return false;                                         // 14
  if (beforeSpaces_ == QU && b == OP) return false;                              // 15
  if (isAny(beforeSpaces_, CL, CP) && b == NS) return false;                     // 16
  if (beforeSpaces_ == B2 && b == B2) return false;                              // 17
  if (a == SP) return true;                                                      // 18
  if (a == QU || b == QU) return false;                                          // 19
  if (a == CB || b == CB) return true;                                           // 20
  if (isAny(b, BA, HY, NS) || a == BB) return false;                             // 21
  if (twoBefore_ == HL && isAny(a, HY, BA)) return false;                        // 21a
  if ((a == SY && b == HL) || b == IN) return false;                             // 21b, 22
  if ((isAny(a, AL, HL) && b == NU) || (a == NU && isAny(b, AL, HL))) return false;          // 23
  if ((a == PR && isAny(b, ID, EB, EM)) || (isAny(a, ID, EB, EM) && b == PO)) return false;  // 23a
  if ((isAny(a, PR, PO) && isAny(b, AL, HL)) || (isAny(a, AL, HL) && isAny(b, PR, PO))) return false;  // 24
  if ((isAny(a, CL, CP, NU) && isAny(b, PO, PR)) || (isAny(a, PO, PR) && isAny(b, OP, NU))) return false;  // 25
  if (isAny(a, HY, IS, NU, SY) && b == NU) return false;
  if (a == JL && isAny(b, JL, JV, H2, H3)) return false;                         // 26
  if ((isAny(a, JV, H2) && isAny(b, JV, JT)) || (isAny(a, JT, H3) && b == JT)) return false;
  if (isAny(a, JL, JV, JT, H2, H3) && b == PO) return false;                     // 27
  if (a == PR && isAny(b, JL, JV, JT, H2, H3)) return false;
  if (isAny(a, AL, HL) && isAny(b, AL, HL)) return false;                        // 28
  if (a == IS && isAny(b, AL, HL)) return false;                                 // 29
  if (isAny(a, AL, HL, NU) && next == OP) return false;                          // 30
  if (before_ == CP && isAny(b, AL, HL, NU)) return false;
  if (a == RI && b == RI && oddRegional_) return false;                          // 30a
  return !(b == EM && (a == EB || before_ == IDP));                              // 30b, 31
}

}  // namespace trot
