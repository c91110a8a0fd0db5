#include "tests/support/golden.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/temp_dir.hpp"

namespace trot::test {

std::string visible(std::string_view bytes, bool keepLineEnds) {
  std::ostringstream out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\') out << "\\\\";
    else if (byte == '\n') out << (keepLineEnds ? "\n" : "\\n");
    else if (byte == 0x1B) out << "\\e";
    else if (byte < 0x20 || byte == 0x7F) out << "\\x" << "0123456789abcdef"[byte >> 4] << "0123456789abcdef"[byte & 15];
    else out << c;
  }
  return out.str();
}

::testing::AssertionResult sameBytes(std::string_view expected, std::string_view actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const auto at = static_cast<std::size_t>(mismatch.first - expected.begin());
  const std::size_t from = at > 20 ? at - 20 : 0;
  return ::testing::AssertionFailure() << "first difference at byte " << at << " (expected " << expected.size()
                                       << " bytes, got " << actual.size() << ")\n  expected: ..."
                                       << visible(expected.substr(from, 60)) << "\n  actual:   ..."
                                       << visible(actual.substr(std::min(from, actual.size()), 60));
}

::testing::AssertionResult matchesGolden(const std::string& name, std::string_view actual) {
  const std::filesystem::path path = std::filesystem::path(TROT_GOLDEN_DIR) / name;
  const char* update = std::getenv("TROT_UPDATE_GOLDEN");
  if (update != nullptr && std::string_view(update) == "1") {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(path)) return ::testing::AssertionFailure() << "no golden file " << path;
  auto result = sameBytes(readFile(path), actual);
  if (!result) result << "\n  golden file: " << path;
  return result;
}

}  // namespace trot::test
