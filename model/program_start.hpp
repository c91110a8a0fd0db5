// What both programs do before anything else: take their arguments as UTF-8
// text and make the standard streams pass bytes through unchanged. On Windows
// the narrow arguments are in the system code page, which cannot spell most
// text, and the standard streams turn line feeds into CR LF; elsewhere both
// are already right.
#pragma once

#include <string>
#include <vector>

namespace trot {

class ProgramStart {
 public:
  ProgramStart(int argc, char** argv);
  ProgramStart(const ProgramStart&) = delete;
  ProgramStart& operator=(const ProgramStart&) = delete;

  int argc() const { return static_cast<int>(arguments_.size()); }
  // Null-terminated, like main's; valid while this object lives.
  const char* const* argv() const { return pointers_.data(); }

 private:
  void keep(std::vector<std::string> arguments);

  std::vector<std::string> arguments_;
  std::vector<const char*> pointers_;
};

}  // namespace trot
