// Writing a pony database back out as source: one art text file per art and
// one quote file per quote of every character.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "model/ascii_art.hpp"
#include "render/color_format.hpp"

namespace trot {

// A whole pony art file: the header naming the pony, where the bubble goes
// and the art's size, then the art's rows as written by writeArtText.
std::string artFileText(std::string_view ponyName, const AsciiArt& art, ColorFormat& format);

// The name a character's quote files start with: its name without the bytes
// that file names cannot hold on every platform (< > : " / \ | ? *).
std::string quoteFileStem(std::string_view characterName);

// Reads `input` and writes its arts into `artFolder` and its quotes into
// `quoteFolder`, creating both first. Failures are reported on `out`; the
// three count lines always follow.
void serializePonies(const std::filesystem::path& input, const std::filesystem::path& artFolder,
                     const std::filesystem::path& quoteFolder, std::ostream& out);

}  // namespace trot
