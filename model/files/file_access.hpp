// The file and folder access that both programs share beyond whole resource
// files (file_io.hpp): how a path is quoted in a report, how a folder is
// listed in an order that is the same on every system, how a text file is
// read whole within a size limit, and how an output file is written so that
// a failure never replaces a good one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace trot {

// The path's narrow text in double quotes, with a backslash in front of every
// double quote and backslash inside it, then made safe to print by
// escapeControlBytes.
std::string quotedPath(const std::filesystem::path& path);

// Writes "'<quoted path>' isnt a directory" as one flushed line, and counts
// the folder as a skipped input.
void reportNotADirectory(std::ostream& out, const std::filesystem::path& path);

// One entry of a folder listing. `type` is what the entry leads to, links
// followed; `problem` is set when that could not be found out (a link loop,
// a denied folder): such an entry can only be reported.
struct FolderEntry {
  std::filesystem::path path;
  std::filesystem::file_type type = std::filesystem::file_type::none;
  std::error_code problem;

  bool isRegularFile() const { return type == std::filesystem::file_type::regular; }
  // Throws FileException "Failed to open file" with the reason, for an entry with a problem.
  void checkReadable() const;
};

// The entries of `folder` in byte order of their names, so that the same
// sources give the same output on every file system. An entry that leads
// nowhere (a dangling link) is left out.
std::vector<FolderEntry> listFolder(const std::filesystem::path& folder);

// True for an existing folder; a missing path is simply not a folder.
bool isDirectory(const std::filesystem::path& path);

// The whole file as bytes; FileException "Failed to open file" when it
// cannot be opened, "Failed to read file" when reading it fails, each with
// the system's reason, and one naming the limit as its reason, without
// reading it, when it holds more than `mostBytes`.
std::string readWholeFile(const std::filesystem::path& path, std::uint64_t mostBytes);

// The folders directly inside `folder` whose full path ends in `suffix`, in
// byte order of their names. A `folder` that is not a folder, and an entry
// with that ending that cannot be looked into, are reported on `out`; the
// former gives an empty list.
std::vector<std::filesystem::path> findSubfolders(const std::filesystem::path& folder, std::string_view suffix,
                                                  std::ostream& out);

// Writes a whole output file: the previous file, if any, stays untouched
// unless `write` ran to its end and everything reached the disk. When the
// file cannot even be created, `cannotOpen` is called, which throws the
// command's own report; later failures keep the file layer's report.
void writeOutputFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write,
                     const std::function<void()>& cannotOpen);

// Writes `text` as a whole file; one that cannot be created gives
// FileException "Failed to open file for writing: " followed by the path.
void writeTextFile(const std::filesystem::path& path, std::string_view text);

}  // namespace trot
