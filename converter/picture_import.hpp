// trotconv picture: a pony art file made from a PNG or BMP picture, ready
// for trotspeak to show.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "converter/picture_art.hpp"

namespace trot {

struct PictureImport {
  std::filesystem::path picture;
  // The "ponies" folder of the user's first folder of trotspeak's search
  // path when not given.
  std::optional<std::filesystem::path> artFolder;
  // The picture's file name without its extension when not given; that is
  // always the art's name.
  std::optional<std::string> ponyName;
  ArtBox box;
  bool bubbleBelow = false;
  bool replace = false;
};

// The arguments after the command word: options (--box COLUMNSxROWS,
// --below, --force) anywhere, then the picture and, optionally, the art
// folder and the pony name. Nothing when they do not make a command.
std::optional<PictureImport> parsePictureImport(const std::vector<std::string_view>& args);

// Why the NAME header of an art file cannot carry `name` unchanged, or
// nothing when it can.
std::optional<std::string> unusablePonyName(std::string_view name);

// Writes the art file, never over an existing one unless asked to. A
// picture or a name that cannot be used, or a file in the way, is reported
// on `out`, counted as a skipped input, and nothing is written.
void importPicture(const PictureImport& import, std::ostream& out);

}  // namespace trot
