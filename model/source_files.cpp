#include "model/source_files.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/skipped_inputs.hpp"
#include "model/exception.hpp"
#include "model/file_io.hpp"

namespace trot {

std::string quotedPath(const std::filesystem::path& path) {
  std::string quoted = "\"";
  for (const char c : path.string()) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void reportNotADirectory(std::ostream& out, const std::filesystem::path& path) {
  out << "'" << quotedPath(path) << "' isnt a directory" << std::endl;
  recordSkippedInput();
}

void FolderEntry::checkReadable() const {
  if (problem) throw FileException(FileException::kNoOffset, "Failed to open file: " + problem.message());
}

std::vector<FolderEntry> listFolder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    FolderEntry listed;
    listed.path = entry.path();
    listed.type = entry.status(listed.problem).type();
    if (listed.type == std::filesystem::file_type::not_found) continue;
    entries.push_back(std::move(listed));
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return a.path.filename().native() < b.path.filename().native();
  });
  return entries;
}

bool isDirectory(const std::filesystem::path& path) { return std::filesystem::is_directory(path); }

std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileException(FileException::kNoOffset, "Failed to open file");
  try {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    // The standard file buffer throws on a read error (a folder, a bad disk).
    throw FileException(FileException::kNoOffset, "Failed to read file");
  }
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
      FileException(FileException::kNoOffset, "Failed to open folder: " + entry.problem.message()).print(out);
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
