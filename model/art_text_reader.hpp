// Reader for pony art text files: a header of "KEY: value" lines between two
// "$$$" lines, then rows of half-block characters coloured with escape
// sequences, with markers between two "$" for the balloon position and the
// bubble connector.
//
// Two colour styles are understood. The palette style defines a colour with
// ESC ]P<index><rr><gg><bb> and selects it with ESC [3<n>m or ESC [4<n>m
// (foreground or background). The direct style, which the converter writes
// itself, selects with ESC [38;2;R;G;Bm and ESC [48;2;R;G;Bm. In both, "^["
// may stand for ESC, and ESC [39m, ESC [49m and ESC [0m go back to the
// terminal's default colours.
//
// The direct style is written by artFileText (render/art_renderer.hpp), with
// the colour formatter the terminal drawing uses.
#pragma once

#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "model/ascii_art.hpp"

namespace trot {

// Header pairs in file order; a key may occur many times.
using ArtHeader = std::multimap<std::string, std::string>;

// Fills `art` from the whole text of one file and, when `header` is given,
// adds the header's pairs to it. Malformed text throws
// AsciiArt::ParserException and leaves `art` untouched; pieces that can be
// skipped are reported on `messages` and reading goes on.
//
// A header key BALLOON with the value top or bottom decides where the bubble
// goes; without it the bubble goes above when the balloon marker comes in the
// upper half of the picture.
void parseArtText(AsciiArt& art, std::string_view text, ArtHeader* header, std::ostream& messages = std::cout);

}  // namespace trot
