// Writing a pony database back out as source: one art text file per art and
// one quote file per quote of every character.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace trot {

// The name a character's quote files start with: its name without the bytes
// that file names cannot hold on every platform (< > : " / \ | ? *).
std::string quoteFileStem(std::string_view characterName);

// Reads `input` and writes its arts into `artFolder` and its quotes into
// `quoteFolder`, creating both first. Failures are reported on `out`; the
// three count lines always follow.
void serializePonies(const std::filesystem::path& input, const std::filesystem::path& artFolder,
                     const std::filesystem::path& quoteFolder, std::ostream& out);

}  // namespace trot
