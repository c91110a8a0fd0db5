// The few file-system services that the standard library does not offer and
// that safe replacement of an output file needs: flushing to the disk,
// carrying a file's permissions over, rewriting a file in place without
// cutting it, telling whether a process still runs, and removing a
// half-written file when the program is interrupted (interruption_guard.cpp,
// the same on every system); and reading a file whole at the cost of a few
// system calls. Each system's file_system_*.cpp gives the rest.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace trot {

enum class ReadOutcome { kRead, kCannotOpen, kCannotRead, kTooLarge };

// No limit on the size of a file that readFileContent reads.
inline constexpr std::uint64_t kAnySize = UINT64_MAX;

// Reads the whole file into `bytes`: the size it has now in one read, and on
// to its end should it have grown. A folder cannot be read. A file of more
// than `mostBytes` is kTooLarge: one that is so already when opened is not
// read at all, one that grows past it while being read is read no further.
// kCannotOpen and kCannotRead leave the reason in errno.
ReadOutcome readFileContent(const std::filesystem::path& path, std::string& bytes, std::uint64_t mostBytes);

// Flushes the file's (or folder's) content to the disk. False when that
// failed; the reason is left in errno.
bool syncToDisk(const std::filesystem::path& path);

// Gives `copy` the permission bits of `original`, and its owner and group
// where that is allowed (it is silently skipped where not).
void copyModeAndOwner(const std::filesystem::path& original, const std::filesystem::path& copy);

// The permission bits that a newly created file gets (the umask applied).
void giveNewFileMode(const std::filesystem::path& path);

// Creates `path` as a new, empty file readable and writable by its owner;
// false when anything already has that name or it cannot be created.
bool createNewFile(const std::filesystem::path& path);

enum class InPlaceOutcome { kWritten, kCannotOpen, kNoRoom, kCannotReserve, kCutShort };

// Overwrites the existing file `path` with `bytes` where it lies, so that
// every hard link to it shows the new content, and flushes it to the disk.
// Its new size is reserved first, and not a byte of it changes unless that
// succeeded: kNoRoom when the disk (or the file size limit) has no room for
// it, kCannotReserve when the file system cannot reserve room at all.
// Interrupting signals wait until the content is in. kCutShort: writing
// failed after all (a failing disk), and the file may be cut.
InPlaceOutcome overwriteInPlace(const std::filesystem::path& path, std::string_view bytes);

// Puts the finished file `from` in the place of `to`, replacing what is there
// in one step; false when that failed.
bool moveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

long currentProcessId();
// True only when it is sure that no process with this id runs any longer.
bool processIsGone(long processId);

// While a temporary file is being written, an interrupting signal (SIGINT,
// SIGTERM, SIGHUP) removes it before the program ends as the signal says.
void guardTemporaryFile(const std::filesystem::path& path);
void releaseTemporaryFile();

}  // namespace trot
