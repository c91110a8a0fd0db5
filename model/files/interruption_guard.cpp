#include "model/files/interruption_guard.hpp"

#include <algorithm>
#include <array>
#include <csignal>

#include "model/files/file_system.hpp"

namespace trot {

namespace {

// The signal handler may only read plain memory: the path is kept in the
// system's own characters, and `guarding` says whether it is in use.
std::array<std::filesystem::path::value_type, 4096> guardedPath{};
volatile std::sig_atomic_t guarding = 0;
// While a file is rewritten in place, an interrupting signal only leaves its
// number here; it takes effect once the content is in.
volatile std::sig_atomic_t holding = 0;
volatile std::sig_atomic_t heldSignal = 0;

extern "C" void removeAndEnd(int signal) {
  if (holding != 0) {
    heldSignal = signal;
    keepInterruptionHandler(signal, removeAndEnd);
    return;
  }
  if (guarding != 0) removeFileFromHandler(guardedPath.data());
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void installHandlersOnce() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  installInterruptionHandler(removeAndEnd);
}

}  // namespace

void holdInterruptions(bool hold) {
  installHandlersOnce();
  holding = hold ? 1 : 0;
  if (!hold && heldSignal != 0) removeAndEnd(heldSignal);
}

void guardTemporaryFile(const std::filesystem::path& path) {
  installHandlersOnce();
  const auto& text = path.native();
  if (text.size() >= guardedPath.size()) return;
  guarding = 0;
  std::copy(text.c_str(), text.c_str() + text.size() + 1, guardedPath.begin());
  guarding = 1;
}

void releaseTemporaryFile() { guarding = 0; }

}  // namespace trot
