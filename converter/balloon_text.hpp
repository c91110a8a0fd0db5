// Balloon text: the hand-editable source of one bubble variant. Every line
// of the form "key:value" gives one value to its key; a line with an empty
// key adds another value to the key above it, which is how pieces of several
// lines are written. Values are taken exactly as written, spaces included.
//
// Keys: "/", "\" and "X" name the connector characters (a missing one counts
// as none, code point 0); nw nnw n nne ne and sw ssw s sse se are the top and
// bottom border pieces, one value per line; nww w sww ww and nee e see ee are
// the left and right side pieces, one value each. Other keys are ignored.
#pragma once

#include <ostream>
#include <string_view>

#include "model/bubble.hpp"

namespace trot {

// Replaces `bubble` with the bubble `text` describes. A text that breaks the
// rules, a piece too wide or too long for Bubble::checkPieces included,
// throws Bubble::ParseException and leaves `bubble` as it was.
void parseBalloon(Bubble& bubble, std::string_view text);

// Writes `bubble` as balloon text that parseBalloon reads back unchanged.
void writeBalloon(const Bubble& bubble, std::ostream& stream);

}  // namespace trot
