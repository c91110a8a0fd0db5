// Paths from UTF-8 text. Arguments, names and file contents are UTF-8
// everywhere, but a narrow string becomes a path through the system's own
// narrow encoding, which on Windows is a legacy code page that cannot spell
// most names; this conversion keeps every character. Elsewhere it changes
// nothing. (The other way, path::string() already gives UTF-8 with the
// standard library we build with, on Windows too.)
#pragma once

#include <filesystem>
#include <string_view>

namespace trot {

std::filesystem::path pathFromUtf8(std::string_view text);

}  // namespace trot
