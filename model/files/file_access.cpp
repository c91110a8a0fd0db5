#include "model/files/file_access.hpp"

#include <algorithm>
#include <cerrno>

#include "model/exception.hpp"
#include "model/files/file_io.hpp"
#include "model/files/file_system.hpp"
#include "model/skipped_inputs.hpp"

namespace trot {

std::string quotedPath(const std::filesystem::path& path) {
  std::string quoted = "\"";
  for (const char c : path.string()) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return escapeControlBytes(quoted);
}

void reportNotADirectory(std::ostream& out, const std::filesystem::path& path) {
  out << "'" << quotedPath(path) << "' isnt a directory" << std::endl;
  recordSkippedInput();
}

void FolderEntry::checkReadable() const {
  if (problem) throw FileException(FileException::kNoOffset, "Failed to open file", problem.message());
}

namespace {

// Regular files and folders are known from the listing itself, which saves a
// look-up per entry; links and other kinds of entry are looked up.
std::filesystem::file_type typeOf(const std::filesystem::directory_entry& entry, std::error_code& problem) {
  if (entry.is_regular_file(problem)) return std::filesystem::file_type::regular;
  if (entry.is_directory(problem)) return std::filesystem::file_type::directory;
  return entry.status(problem).type();
}

}  // namespace

std::vector<FolderEntry> listFolder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    FolderEntry listed;
    listed.path = entry.path();
    listed.type = typeOf(entry, listed.problem);
    if (listed.type == std::filesystem::file_type::not_found) continue;
    entries.push_back(std::move(listed));
  }
  // Every path is the folder's followed by the name, so whole paths sort as
  // their names do.
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.path.native() < b.path.native(); });
  return entries;
}

bool isDirectory(const std::filesystem::path& path) { return std::filesystem::is_directory(path); }

std::string readWholeFile(const std::filesystem::path& path, std::uint64_t mostBytes) {
  std::string bytes;
  switch (readFileContent(path, bytes, mostBytes)) {
    case ReadOutcome::kRead: return bytes;
    case ReadOutcome::kCannotOpen:
      throw FileException(FileException::kNoOffset, "Failed to open file", systemReason(errno));
    case ReadOutcome::kCannotRead: break;
    case ReadOutcome::kTooLarge:
      throw FileException(FileException::kNoOffset, "Failed to read file",
                          "it is larger than " + std::to_string(mostBytes >> 20) + " MiB");
  }
  throw FileException(FileException::kNoOffset, "Failed to read file", systemReason(errno));
}

std::vector<std::filesystem::path> findSubfolders(const std::filesystem::path& folder, std::string_view suffix,
                                                  std::ostream& out) {
  std::vector<std::filesystem::path> found;
  if (!isDirectory(folder)) {
    reportNotADirectory(out, folder);
    return found;
  }
  for (const FolderEntry& entry : listFolder(folder)) {
    if (!entry.path.string().ends_with(suffix)) continue;
    if (entry.problem) {
      out << "Failed to process folder '" << quotedPath(entry.path) << "': ";
      FileException(FileException::kNoOffset, "Failed to open folder", entry.problem.message()).print(out);
      recordSkippedInput();
      continue;
    }
    if (entry.type == std::filesystem::file_type::directory) found.push_back(entry.path);
  }
  return found;
}

void writeOutputFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write,
                     const std::function<void()>& cannotOpen) {
  // The file layer calls `write` only once the temporary file is open, so a
  // failure before that point means the output could not be created.
  bool opened = false;
  try {
    writeFileAtomically(path, [&](std::ostream& stream) {
      opened = true;
      write(stream);
    });
  } catch (const Exception&) {
    if (!opened) cannotOpen();
    throw;
  }
}

void writeTextFile(const std::filesystem::path& path, std::string_view text) {
  writeOutputFile(
      path, [&](std::ostream& stream) { stream.write(text.data(), static_cast<std::streamsize>(text.size())); },
      [&] { throw FileException(FileException::kNoOffset, "Failed to open file for writing: " + path.string()); });
}

}  // namespace trot
