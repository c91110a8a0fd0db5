#include <windows.h>

#include <cstdlib>

#include "render/console.hpp"

namespace trot {

namespace {

constexpr UINT kUtf8CodePage = 65001;
constexpr DWORD kVirtualTerminalProcessing = 0x0004;

// The console belongs to the shell that started us; it gets back what it had.
UINT originalCodePage = 0;
DWORD originalMode = 0;
bool modeChanged = false;

void restoreConsole() {
  if (originalCodePage != 0) SetConsoleOutputCP(originalCodePage);
  if (modeChanged) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), originalMode);
}

}  // namespace

void prepareConsole() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  originalCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(kUtf8CodePage);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(output, &mode) && (mode & kVirtualTerminalProcessing) == 0) {
    originalMode = mode;
    modeChanged = SetConsoleMode(output, mode | kVirtualTerminalProcessing) != 0;
  }
  std::atexit(restoreConsole);
}

}  // namespace trot
