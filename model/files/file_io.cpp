#include "model/files/file_io.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include "model/exception.hpp"
#include "model/files/file_system.hpp"

namespace trot {

namespace {

namespace fs = std::filesystem;

// Appended piece by piece: g++ 12 at -O3 takes "'" + text for an overlapping
// copy once this is inlined into the longer messages (a false -Wrestrict).
std::string quoted(const fs::path& path) {
  std::string text(1, '\'');
  text += escapeControlBytes(path.string());
  text += '\'';
  return text;
}

FileException cannotWrite(const fs::path& path) {
  return FileException(FileException::kNoOffset, "Failed to write file " + quoted(path));
}

FileException cannotOpenForWriting(const fs::path& path, std::string reason = {}) {
  return FileException(FileException::kNoOffset, "Failed to open file for writing " + quoted(path), std::move(reason));
}

// Loading reads through the standard file buffer, which throws its own
// exception on a read error (a folder given as a file, a failing disk).
template <typename Load>
void readReporting(const fs::path& path, Load load) {
  try {
    load();
  } catch (const std::ios_base::failure&) {
    throw FileException(FileException::kNoOffset, "Failed to read file " + quoted(path));
  }
}

FileException cannotOpen(const fs::path& path, int error) {
  return FileException(FileException::kNoOffset, "Failed to open file " + quoted(path), systemReason(error));
}

// A folder cannot be read as a file, though the standard streams open it.
void openForReading(std::ifstream& stream, const fs::path& path) {
  std::error_code ignored;
  if (fs::is_directory(path, ignored)) throw cannotOpen(path, EISDIR);
  errno = 0;
  stream.open(path, std::ios::binary);
  if (!stream.is_open()) throw cannotOpen(path, errno != 0 ? errno : ENOENT);
}

// The file that writing `path` is meant to change: symbolic links are
// followed, so that the link stays and its target gets the new content.
fs::path followLinks(fs::path path) {
  constexpr int kMostLinks = 40;
  std::error_code error;
  for (int hops = 0; hops < kMostLinks && fs::is_symlink(path, error); ++hops) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// Temporary files are named after the process and a short hash of the
// target's name, so that any target name that fits the folder still leaves
// room for them, and a later run can tell whose they are and for which file.
std::string targetHash(const fs::path& target) {
  std::uint32_t hash = 2166136261u;
  for (const unsigned char c : target.filename().string()) hash = (hash ^ c) * 16777619u;
  std::array<char, 9> text{};
  std::snprintf(text.data(), text.size(), "%08x", static_cast<unsigned>(hash));
  return text.data();
}

constexpr std::string_view kTemporaryPrefix = ".trot-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string temporaryName(long processId, const std::string& hash) {
  return std::string(kTemporaryPrefix) + std::to_string(processId) + "-" + hash + std::string(kTemporarySuffix);
}

// Temporaries left behind by runs that were killed, per folder and target
// hash, as found the first time this run writes into a folder: one listing
// per folder, however many files are written there.
using Leftovers = std::multimap<std::string, fs::path>;

Leftovers findLeftovers(const fs::path& folder) {
  Leftovers found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) continue;
    const std::string_view middle = std::string_view(name).substr(
        kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos) continue;
    long processId = 0;
    try {
      processId = std::stol(std::string(middle.substr(0, dash)));
    } catch (const std::exception&) {
      continue;
    }
    if (processId == currentProcessId() || !processIsGone(processId)) continue;
    found.emplace(std::string(middle.substr(dash + 1)), it->path());
  }
  return found;
}

void removeLeftovers(const fs::path& folder, const std::string& hash) {
  static std::map<fs::path, Leftovers> leftovers;
  auto [entry, isNew] = leftovers.try_emplace(folder);
  if (isNew) entry->second = findLeftovers(folder);
  const auto [first, last] = entry->second.equal_range(hash);
  std::error_code ignored;
  for (auto it = first; it != last; ++it) fs::remove(it->second, ignored);
  entry->second.erase(first, last);
}

// Folders waiting for their flush while a FolderFlushBatch lives.
struct PendingFlushes {
  int batches = 0;
  std::set<fs::path> folders;
};

PendingFlushes& pendingFlushes() {
  static PendingFlushes pending;
  return pending;
}

void flushFolder(const fs::path& folder) {
  PendingFlushes& pending = pendingFlushes();
  if (pending.batches > 0) {
    pending.folders.insert(folder);
    return;
  }
  syncToDisk(folder);
}

// Everything is put together in memory and leaves in one write: encoders
// patch their position tables by seeking back, which costs a system call
// each on a file and cannot be done at all on a pipe.
// What `write` puts out, gathered in memory; none when putting it together failed.
std::optional<std::string> gathered(const std::function<void(std::ostream&)>& write) {
  std::ostringstream content(std::ios::out | std::ios::binary);
  write(content);
  if (!content) return std::nullopt;
  return std::move(content).str();
}

void writeInOnePiece(std::ostream& file, const std::function<void(std::ostream&)>& write) {
  const auto bytes = gathered(write);
  // A failure while putting it together fails the write, as on the file.
  if (!bytes) file.setstate(std::ios::badbit);
  else file.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
}

// A FIFO or a device is written in place (/dev/stdout, /dev/null, a pipe);
// there is nothing to replace and no disk to flush.
void writeThrough(const fs::path& path, const std::function<void(std::ostream&)>& write) {
  std::ofstream stream(path, std::ios::binary);
  if (!stream.is_open()) throw cannotOpenForWriting(path);
  writeInOnePiece(stream, write);
  stream.close();
  if (stream.fail()) throw cannotWrite(path);
}

void replaceByRename(const fs::path& path, const fs::path& target, bool existed,
                     const std::function<void(std::ostream&)>& write) {
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string hash = targetHash(target);
  removeLeftovers(folder, hash);
  const fs::path temporary = folder / temporaryName(currentProcessId(), hash);
  std::error_code ignored;
  // A file of this name belongs to an earlier process that had our id.
  fs::remove(temporary, ignored);
  if (!createNewFile(temporary)) throw cannotOpenForWriting(path);
  guardTemporaryFile(temporary);

  const auto abandon = [&] {
    fs::remove(temporary, ignored);
    releaseTemporaryFile();
  };
  std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
  try {
    if (!stream.is_open()) throw cannotOpenForWriting(path);
    writeInOnePiece(stream, write);
  } catch (...) {
    stream.close();
    abandon();
    throw;
  }
  stream.close();
  if (existed) copyModeAndOwner(target, temporary);
  else giveNewFileMode(temporary);
  // The old file or the new one, whole, even across a power cut: the new
  // content reaches the disk before the rename, and the rename after it.
  if (stream.fail() || !syncToDisk(temporary)) {
    abandon();
    throw cannotWrite(path);
  }
  if (!moveIntoPlace(temporary, target)) {
    abandon();
    throw cannotWrite(path);
  }
  releaseTemporaryFile();
  flushFolder(folder);
}

std::ostream* splitLinkNotices = nullptr;

// Replacing a file with several hard links would leave the others with the
// old content; it is rewritten where it lies instead, which every link then
// shows. Room for the new content is reserved before anything changes, so
// that a full disk leaves the old content whole.
void overwriteLinkedFile(const fs::path& path, const fs::path& target,
                         const std::function<void(std::ostream&)>& write) {
  const auto content = gathered(write);
  if (!content) throw cannotWrite(path);
  const std::string& bytes = *content;
  switch (overwriteInPlace(target, bytes)) {
    case InPlaceOutcome::kWritten: return;
    case InPlaceOutcome::kCannotOpen: throw cannotOpenForWriting(path);
    case InPlaceOutcome::kNoRoom:
      throw FileException(FileException::kNoOffset, "Failed to write file " + quoted(path),
                          "no room for its new content, the old is kept");
    case InPlaceOutcome::kCutShort: throw cannotWrite(path);
    case InPlaceOutcome::kCannotReserve: break;
  }
  replaceByRename(path, target, true, [&](std::ostream& stream) {
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  });
  if (splitLinkNotices != nullptr) {
    *splitLinkNotices << "Replaced " << quoted(path) << " as a new file: its other hard links keep the old content"
                      << std::endl;
  }
}

void replaceFile(const fs::path& path, const fs::path& target, bool existed,
                 const std::function<void(std::ostream&)>& write) {
  std::error_code error;
  if (existed && fs::hard_link_count(target, error) > 1) return overwriteLinkedFile(path, target, write);
  replaceByRename(path, target, existed, write);
}

}  // namespace

void loadFromFile(Transcoder& object, const fs::path& path) {
  std::error_code ignored;
  if (fs::is_regular_file(path, ignored)) {
    // One read, and decoding from memory: a stream on the file would seek
    // to learn its size and read again for every record it jumps to.
    std::string bytes;
    switch (readFileContent(path, bytes, kAnySize)) {
      case ReadOutcome::kRead: break;
      case ReadOutcome::kCannotOpen: throw cannotOpen(path, errno);
      case ReadOutcome::kCannotRead:
      case ReadOutcome::kTooLarge:
        throw FileException(FileException::kNoOffset, "Failed to read file " + quoted(path), systemReason(errno));
    }
    std::istringstream stream(std::move(bytes), std::ios::binary);
    object.load(stream);
    return;
  }
  std::ifstream stream;
  openForReading(stream, path);
  readReporting(path, [&] { object.load(stream); });
}

void saveToFile(Transcoder& object, const fs::path& path) {
  writeFileAtomically(path, [&object](std::ostream& stream) {
    object.encodeInit();
    object.encode(stream);
  });
}

void writeFileAtomically(const fs::path& path, const std::function<void(std::ostream&)>& write) {
  const fs::path target = followLinks(path);
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  switch (status.type()) {
    case fs::file_type::not_found:
      return replaceFile(path, target, false, write);
    case fs::file_type::regular:
      return replaceFile(path, target, true, write);
    case fs::file_type::fifo:
    case fs::file_type::character:
    case fs::file_type::block:
      return writeThrough(path, write);
    case fs::file_type::directory:
      throw cannotOpenForWriting(path, "it is a folder");
    case fs::file_type::socket:
      throw cannotOpenForWriting(path, "it is a socket");
    default:
      throw cannotOpenForWriting(path);
  }
}

void noticeSplitLinksOn(std::ostream* notices) { splitLinkNotices = notices; }

FolderFlushBatch::FolderFlushBatch() { ++pendingFlushes().batches; }

FolderFlushBatch::~FolderFlushBatch() {
  PendingFlushes& pending = pendingFlushes();
  if (--pending.batches > 0) return;
  for (const fs::path& folder : pending.folders) syncToDisk(folder);
  pending.folders.clear();
}

}  // namespace trot
