#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "display/platform/running_program.hpp"
#include "model/utf8_path.hpp"

namespace trot {

// Windows names a program with or without its ".exe" and in any case.
bool calledAsThink(std::string_view argv0) {
  std::wstring name = pathFromUtf8(argv0).stem().wstring();
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return name == L"trotthink";
}

// A program started from the search path gets no folder in argv[0]; the
// module's own file name always has one.
std::filesystem::path programDirectory(const char*) {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace trot
