// What the search path holds: the pony collections of every folder, and the
// bubble styles, the first folder winning for each style name.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "display/ponies/pony_collection.hpp"
#include "display/ponies/search_path.hpp"

namespace trot {

// Each folder's ponies/ source folder, then its ponies.bin, in path order.
// Throws FileException when no folder has either.
std::vector<std::unique_ptr<PonyCollection>> findPonyCollections(const SearchPath& path, std::ostream& messages);

// The database files named on the command line, in order. A name that is
// not a file is looked up as <name>.bin in the folders of the path.
std::vector<std::unique_ptr<PonyCollection>> openPonyDatabases(const std::vector<std::string>& files,
                                                           const SearchPath& path);

// Whether -b's value is a file's path rather than a style's name: it holds
// a folder separator or ends in ".bin".
bool namesAFile(std::string_view value);

// The style file of bubbles/ in the folders of the path whose name is
// `name` in any case, else the one whose name it begins; ArgumentException
// when it begins several. When none matches, the path bubbles/<name>.bin
// would have in the first bubbles/ folder, so that opening it reports a path
// worth checking.
std::filesystem::path findBubbleStyle(const SearchPath& path, const std::string& name);

// Every file of every bubbles/ folder, the first folder winning for each
// file name, in name order. Throws FileException when no folder has a
// bubbles/ folder.
std::vector<std::filesystem::path> bubbleStyleFiles(const SearchPath& path);

}  // namespace trot
