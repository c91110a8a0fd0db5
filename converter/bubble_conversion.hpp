// Moving bubble styles between balloon text files and bubble style files.
// A style is named after its files: ascii.say and ascii.think make ascii.bin.
#pragma once

#include <filesystem>
#include <ostream>

namespace trot {

// Reads every ".say" and ".think" file of `inFolder` and writes one style
// file per style name into `outFolder`, which is created once `inFolder`
// is found to be a folder.
void convertBubbles(const std::filesystem::path& inFolder, const std::filesystem::path& outFolder, std::ostream& out);

// Writes every style file of `inFolder` back out as balloon text files into
// `outFolder`, which is created once `inFolder` is found to be a folder.
void serializeBubbles(const std::filesystem::path& inFolder, const std::filesystem::path& outFolder,
                      std::ostream& out);

}  // namespace trot
