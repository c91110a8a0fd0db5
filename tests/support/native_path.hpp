// Paths as the programs print them: written with this system's own
// separator, so that one expected text serves every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trot::test {

inline std::string nativePath(std::string_view generic) {
  return std::filesystem::path(generic).make_preferred().string();
}

}  // namespace trot::test
