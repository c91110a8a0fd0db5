// Reading ponies from their source files: folders of ".pony" art files are
// grouped into characters by the names in their headers, and every quote
// file goes to the characters whose arts its first line names. Both
// programs read sources this way: trotconv to build a database, trotspeak
// to show ponies nobody has converted yet.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/art_text_reader.hpp"
#include "model/character_group.hpp"

namespace trot {

// A quote file: a first line of art names, each closed by "+" or ".", then
// the quote text, which runs byte for byte to the end of the file.
struct QuoteFile {
  std::string_view artNames;
  std::string_view text;
};
QuoteFile splitQuoteFile(std::string_view contents);

// The art names of a quote file's first line. The byte right after a "+" or
// "." always starts the next name, even when it is one of those two itself;
// text after the last terminator is no name.
std::vector<std::string_view> artNameTokens(std::string_view line);

// A quote folder's files, listed and read the first time a reader takes
// them, so that the databases built from one folder in a run read it once:
// each file's contents, or the report of why it could not be read.
class QuoteFolder {
 public:
  explicit QuoteFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

  const std::filesystem::path& path() const { return folder_; }

 private:
  friend class PonySourceReader;
  struct File {
    std::filesystem::path path;
    std::string contents;
    std::optional<std::string> failure;
  };
  const std::vector<File>& files();

  std::filesystem::path folder_;
  std::optional<std::vector<File>> files_;
  // Why the folder could not be listed, when it could not.
  std::optional<std::filesystem::filesystem_error> unlisted_;
};

// Builds the characters of one run. Art names are matched across all art
// folders, the first art of a name winning; character names only within
// the folder being read. A file or folder that cannot be read is reported on
// `messages` and skipped; so are the reader's notes on pieces it skips, an
// art file over 16 MiB or a quote file over 1 MiB (refused unread), and the
// arts and quotes of a pony past the kMostEntries a file can hold.
class PonySourceReader {
 public:
  // `progress`, when given, gets each art file's quoted path before it is read.
  // With `namelessIsBroken` an art whose header names no pony is reported
  // and skipped like a broken file; else it is dropped quietly.
  PonySourceReader(std::ostream& messages, std::ostream* progress, bool namelessIsBroken = false)
      : messages_(messages), progress_(progress), namelessIsBroken_(namelessIsBroken) {}

  void readArtFolder(const std::filesystem::path& folder);
  void readQuoteFolder(const std::filesystem::path& folder);
  void readQuoteFolder(QuoteFolder& folder);

  CharacterGroup group;

 private:
  struct LeftOutFiles {
    std::filesystem::path first;
    std::size_t count;
  };
  using LeftOut = std::unordered_map<const Character*, LeftOutFiles>;

  void addArt(const std::filesystem::path& path, std::unique_ptr<AsciiArtMeta> meta, const ArtHeader& header,
              std::unordered_map<std::string, Character*>& charactersByName);
  void addQuote(const std::filesystem::path& path, std::string_view contents);
  static void leaveOut(LeftOut& leftOut, const Character& character, const std::filesystem::path& path);
  void reportLeftOut(LeftOut& leftOut, const char* kind, const char* entries);

  std::ostream& messages_;
  std::ostream* progress_;
  bool namelessIsBroken_;
  // Characters point into `group`, whose characters stay where they are.
  std::unordered_map<std::string, Character*> artsByName_;
  LeftOut leftOutArts_;
  LeftOut leftOutQuotes_;
};

}  // namespace trot
