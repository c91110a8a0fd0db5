#include "model/pony_source_reader.hpp"

#include <exception>
#include <memory>
#include <optional>
#include <sstream>
#include <unordered_set>

#include "model/art_text_reader.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/parallel_for.hpp"
#include "model/skipped_inputs.hpp"
#include "model/utf8.hpp"

namespace trot {

namespace {

using Path = std::filesystem::path;

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// Far more than any art of 255 by 255 cells with all its colour sequences,
// or any quote, needs; a larger file is refused before a byte of it is read,
// so that a huge or sparse file in a ponies folder costs nothing.
constexpr std::uint64_t kMostArtFileBytes = std::uint64_t{16} << 20;
constexpr std::uint64_t kMostQuoteFileBytes = std::uint64_t{1} << 20;

// The report of a folder that cannot be listed: it is left out as a whole.
void reportUnlistedFolder(std::ostream& messages, const char* kind, const Path& folder,
                          const std::filesystem::filesystem_error& failure) {
  messages << "Failed to process " << kind << " '" << quotedPath(folder) << "': ";
  FileException(FileException::kNoOffset, "Failed to open folder", failure.code().message()).print(messages);
  recordSkippedInput();
}

// Every NAME of the header; failing that, the first OTHER NAMES.
std::vector<std::string> characterNames(const ArtHeader& header) {
  std::vector<std::string> names;
  const auto [first, last] = header.equal_range("NAME");
  for (auto it = first; it != last; ++it) names.push_back(it->second);
  if (names.empty()) {
    if (const auto other = header.lower_bound("OTHER NAMES"); other != header.end() && other->first == "OTHER NAMES") {
      names.push_back(other->second);
    }
  }
  return names;
}

// One art file as read and parsed, perhaps on another thread: what is to be
// reported about it is kept, to be written in file order.
struct ParsedArt {
  bool opened = false;
  std::unique_ptr<AsciiArtMeta> meta;
  ArtHeader header;
  std::string messages;
  std::optional<std::string> failure;
  std::exception_ptr crash;
};

void parseArtFile(const FolderEntry& entry, ParsedArt& parsed) {
  std::ostringstream messages;
  try {
    entry.checkReadable();
    parsed.opened = true;
    const std::string text = readWholeFile(entry.path, kMostArtFileBytes);
    parsed.meta = std::make_unique<AsciiArtMeta>();
    parsed.meta->name = entry.path.stem().string();
    parsed.meta->art.set(std::make_unique<AsciiArt>());
    parseArtText(parsed.meta->art.get(), text, &parsed.header, messages);
  } catch (const Exception& failure) {
    std::ostringstream report;
    failure.print(report);
    parsed.failure = report.str();
  } catch (...) {
    parsed.crash = std::current_exception();
  }
  parsed.messages = messages.str();
}

}  // namespace

void PonySourceReader::readArtFolder(const Path& folder) {
  std::vector<FolderEntry> listed;
  try {
    listed = listFolder(folder);
  } catch (const std::filesystem::filesystem_error& failure) {
    reportUnlistedFolder(messages_, "pony art folder", folder, failure);
    return;
  }
  std::vector<FolderEntry> entries;
  for (FolderEntry& entry : listed) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    if (!entry.path.string().ends_with(".pony")) continue;
    entries.push_back(std::move(entry));
  }
  // Reading and parsing, most of the work, is shared among the processors;
  // the results are then taken in file order, as if read one by one.
  std::vector<ParsedArt> parsed(entries.size());
  forEachIndexInParallel(entries.size(), [&](std::size_t i) { parseArtFile(entries[i], parsed[i]); });

  std::unordered_map<std::string, Character*> charactersByName;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ParsedArt& art = parsed[i];
    if (progress_ != nullptr && art.opened) *progress_ << quotedPath(entries[i].path) << '\n';
    messages_ << art.messages;
    if (art.crash) std::rethrow_exception(art.crash);
    if (namelessIsBroken_ && !art.failure && characterNames(art.header).empty()) {
      std::ostringstream report;
      AsciiArt::ParserException("No NAME line in the header: the art belongs to no pony").print(report);
      art.failure = report.str();
    }
    if (art.failure) {
      messages_ << "Failed to process pony art '" << quotedPath(entries[i].path) << "': " << *art.failure;
      recordSkippedInput();
      continue;
    }
    addArt(entries[i].path, std::move(art.meta), art.header, charactersByName);
  }
  reportLeftOut(leftOutArts_, "pony art", "arts");
}

const std::vector<QuoteFolder::File>& QuoteFolder::files() {
  if (files_) return *files_;
  std::vector<File> files;
  std::vector<FolderEntry> listed;
  try {
    listed = listFolder(folder_);
  } catch (const std::filesystem::filesystem_error& failure) {
    unlisted_.emplace(failure);
  }
  for (const FolderEntry& entry : listed) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    File& file = files.emplace_back();
    file.path = entry.path;
    try {
      entry.checkReadable();
      file.contents = readWholeFile(entry.path, kMostQuoteFileBytes);
    } catch (const Exception& failure) {
      std::ostringstream report;
      failure.print(report);
      file.failure = report.str();
    }
  }
  return files_.emplace(std::move(files));
}

void PonySourceReader::readQuoteFolder(const Path& folder) {
  QuoteFolder quotes(folder);
  readQuoteFolder(quotes);
}

void PonySourceReader::readQuoteFolder(QuoteFolder& folder) {
  const auto& files = folder.files();
  if (folder.unlisted_) reportUnlistedFolder(messages_, "pony quote folder", folder.path(), *folder.unlisted_);
  for (const QuoteFolder::File& file : files) {
    if (!file.failure) {
      addQuote(file.path, file.contents);
      continue;
    }
    messages_ << "Failed to process pony quote '" << quotedPath(file.path) << "': " << *file.failure;
    recordSkippedInput();
  }
  reportLeftOut(leftOutQuotes_, "pony quote", "quotes");
}

void PonySourceReader::addArt(const Path& path, std::unique_ptr<AsciiArtMeta> meta, const ArtHeader& header,
                              std::unordered_map<std::string, Character*>& charactersByName) {
  const auto hook = std::make_shared<ArtHook>(std::move(meta));
  const std::string& artName = hook->get().name;

  for (const std::string& name : characterNames(header)) {
    auto [slot, isNew] = charactersByName.try_emplace(name, nullptr);
    if (isNew) {
      Character& character = group.addCharacter();
      character.name = name;
      slot->second = &character;
    }
    Character& character = *slot->second;
    if (character.artCount() == kMostEntries) {
      leaveOut(leftOutArts_, character, path);
      continue;
    }
    character.addArt(hook);
    artsByName_.try_emplace(artName, &character);
  }
}

void PonySourceReader::addQuote(const Path& path, std::string_view contents) {
  const QuoteFile file = splitQuoteFile(contents);
  auto quote = std::make_unique<Quote>();
  quote->text = std::string(file.text);
  const auto hook = std::make_shared<QuoteHook>(std::move(quote));

  std::unordered_set<Character*> owners;
  for (const std::string_view token : artNameTokens(file.artNames)) {
    const auto found = artsByName_.find(std::string(token));
    if (found == artsByName_.end() || !owners.insert(found->second).second) continue;
    Character& character = *found->second;
    if (character.quoteCount() == kMostEntries) {
      leaveOut(leftOutQuotes_, character, path);
      continue;
    }
    character.addQuote(hook);
  }
}

void PonySourceReader::leaveOut(LeftOut& leftOut, const Character& character, const Path& path) {
  ++leftOut.try_emplace(&character, LeftOutFiles{path, 0}).first->second.count;
}

// One report per pony, in the order of the ponies, however many files it had
// too many: the first file left out and how many followed it.
void PonySourceReader::reportLeftOut(LeftOut& leftOut, const char* kind, const char* entries) {
  if (leftOut.empty()) return;
  for (const auto& hook : group.characters) {
    const Character& character = hook.get();
    const auto found = leftOut.find(&character);
    if (found == leftOut.end()) continue;
    const auto& [first, count] = found->second;
    messages_ << "Failed to process " << kind << " '" << quotedPath(first) << "': ";
    const std::string others =
        count == 1 ? "this file is left out" : "this file and " + std::to_string(count - 1) + " more are left out";
    FileException(FileException::kNoOffset, character.name + " has " + std::to_string(kMostEntries) + " " + entries +
                                                ", the most a pony can have; " + others)
        .print(messages_);
    recordSkippedInput();
  }
  leftOut.clear();
}

QuoteFile splitQuoteFile(std::string_view contents) {
  contents = withoutByteOrderMark(contents);
  std::size_t end = 0;
  while (end < contents.size() && !isLineEnd(contents[end])) ++end;
  QuoteFile file;
  file.artNames = contents.substr(0, end);
  while (end < contents.size() && isLineEnd(contents[end])) ++end;
  file.text = contents.substr(end);
  return file;
}

std::vector<std::string_view> artNameTokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t cursor = 0;
  while (cursor < line.size()) {
    if (line[cursor] == '+' || line[cursor] == '.') {
      tokens.push_back(line.substr(0, cursor));
      line.remove_prefix(cursor + 1);
      cursor = 1;
    } else {
      ++cursor;
    }
  }
  return tokens;
}

}  // namespace trot
