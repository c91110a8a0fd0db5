#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fstream>

#include "model/files/file_system.hpp"
#include "model/files/interruption_guard.hpp"

namespace trot {

namespace {

namespace fs = std::filesystem;

// Windows raises no SIGHUP; a closed console window arrives as SIGTERM.
constexpr std::array kInterruptions{SIGINT, SIGTERM};

// How much more is asked for when a file's size is unknown or has changed.
constexpr std::size_t kReadChunk = 64 * 1024;

bool isLackOfRoom(DWORD error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

// Reserves the room for `size` bytes without changing the content.
InPlaceOutcome reserve(HANDLE file, std::size_t size) {
  LARGE_INTEGER oldSize{};
  if (::GetFileSizeEx(file, &oldSize) == 0) return InPlaceOutcome::kCannotReserve;
  // Less than the file has would cut it.
  if (static_cast<std::uint64_t>(oldSize.QuadPart) >= size) return InPlaceOutcome::kWritten;
  FILE_ALLOCATION_INFO allocation{};
  allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
  if (::SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation) != 0) {
    return InPlaceOutcome::kWritten;
  }
  return isLackOfRoom(::GetLastError()) ? InPlaceOutcome::kNoRoom : InPlaceOutcome::kCannotReserve;
}

bool writeAll(HANDLE file, std::string_view bytes) {
  LARGE_INTEGER start{};
  if (::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) == 0) return false;
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD wrote = 0;
    if (::WriteFile(file, bytes.data(), chunk, &wrote, nullptr) == 0 || wrote == 0) return false;
    bytes.remove_prefix(wrote);
  }
  return ::SetEndOfFile(file) != 0;
}

}  // namespace

InPlaceOutcome overwriteInPlace(const fs::path& path, std::string_view bytes) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return InPlaceOutcome::kCannotOpen;
  InPlaceOutcome outcome = reserve(file, bytes.size());
  if (outcome == InPlaceOutcome::kWritten) {
    holdInterruptions(true);
    const bool written = writeAll(file, bytes);
    holdInterruptions(false);
    if (!written || ::FlushFileBuffers(file) == 0) outcome = InPlaceOutcome::kCutShort;
  }
  ::CloseHandle(file);
  return outcome;
}

ReadOutcome readFileContent(const fs::path& path, std::string& bytes, std::uint64_t mostBytes) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (errno == 0) errno = ENOENT;
    return ReadOutcome::kCannotOpen;
  }
  // The size it has now is asked for in one go, and one byte more to meet
  // the end; a file that grows meanwhile is read on until its end.
  std::error_code unknown;
  const std::uintmax_t size = fs::file_size(path, unknown);
  bytes.clear();
  if (!unknown && size > mostBytes) return ReadOutcome::kTooLarge;
  std::size_t wanted = unknown ? kReadChunk : static_cast<std::size_t>(size) + 1;
  try {
    for (;;) {
      if (bytes.size() > mostBytes) return ReadOutcome::kTooLarge;
      const std::size_t had = bytes.size();
      bytes.resize(had + wanted);
      const auto got =
          static_cast<std::size_t>(in.rdbuf()->sgetn(bytes.data() + had, static_cast<std::streamsize>(wanted)));
      bytes.resize(had + got);
      if (got < wanted) return ReadOutcome::kRead;
      wanted = kReadChunk;
    }
  } catch (const std::ios_base::failure&) {
    // The standard file buffer throws on a read error.
    errno = EIO;
    return ReadOutcome::kCannotRead;
  }
}

bool syncToDisk(const fs::path& path) {
  std::error_code ignored;
  // Folders cannot be flushed here; the rename itself is written through.
  if (fs::is_directory(path, ignored)) return true;
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = EACCES;
    return false;
  }
  const bool synced = ::FlushFileBuffers(file) != 0;
  ::CloseHandle(file);
  if (!synced) errno = EIO;
  return synced;
}

void copyModeAndOwner(const fs::path& original, const fs::path& copy) {
  std::error_code ignored;
  const fs::perms permissions = fs::status(original, ignored).permissions();
  if (permissions != fs::perms::unknown) fs::permissions(copy, permissions, ignored);
}

// New files get the folder's inherited access rules: nothing to change.
void giveNewFileMode(const fs::path&) {}

bool createNewFile(const fs::path& path) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

bool moveIntoPlace(const fs::path& from, const fs::path& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

long currentProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

bool processIsGone(long processId) {
  if (processId <= 0) return false;
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
  if (process == nullptr) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD exitCode = 0;
  const bool ended = ::GetExitCodeProcess(process, &exitCode) != 0 && exitCode != STILL_ACTIVE;
  ::CloseHandle(process);
  return ended;
}

void installInterruptionHandler(SignalHandler handler) {
  for (const int signal : kInterruptions) std::signal(signal, handler);
}

// The C runtime resets a handler before it runs it.
void keepInterruptionHandler(int signal, SignalHandler handler) { std::signal(signal, handler); }

void removeFileFromHandler(const wchar_t* path) { ::DeleteFileW(path); }

}  // namespace trot
