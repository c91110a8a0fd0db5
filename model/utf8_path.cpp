#include "model/utf8_path.hpp"

#include <string>

namespace trot {

std::filesystem::path pathFromUtf8(std::string_view text) { return std::u8string(text.begin(), text.end()); }

}  // namespace trot
