#include "model/pony_sources.hpp"

#include <exception>
#include <memory>
#include <optional>
#include <sstream>
#include <unordered_set>

#include "model/art_text_reader.hpp"
#include "model/exception.hpp"
#include "model/parallel_for.hpp"
#include "model/skipped_inputs.hpp"
#include "model/source_files.hpp"

namespace trot {

namespace {

using Path = std::filesystem::path;

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

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
    const std::string text = readWholeFile(entry.path);
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
  std::vector<FolderEntry> entries;
  for (FolderEntry& entry : listFolder(folder)) {
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
    if (art.failure) {
      messages_ << "Failed to process pony art '" << quotedPath(entries[i].path) << "': " << *art.failure;
      recordSkippedInput();
      continue;
    }
    addArt(std::move(art.meta), art.header, charactersByName);
  }
}

const std::vector<QuoteFolder::File>& QuoteFolder::files() {
  if (files_) return *files_;
  std::vector<File> files;
  for (const FolderEntry& entry : listFolder(folder_)) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    File& file = files.emplace_back();
    file.path = entry.path;
    try {
      entry.checkReadable();
      file.contents = readWholeFile(entry.path);
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
  for (const QuoteFolder::File& file : folder.files()) {
    if (!file.failure) {
      addQuote(file.contents);
      continue;
    }
    messages_ << "Failed to process pony quote '" << quotedPath(file.path) << "': " << *file.failure;
    recordSkippedInput();
  }
}

void PonySourceReader::addArt(std::unique_ptr<AsciiArtMeta> meta, const ArtHeader& header,
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
    slot->second->addArt(hook);
    artsByName_.try_emplace(artName, slot->second);
  }
}

void PonySourceReader::addQuote(std::string_view contents) {
  const QuoteFile file = splitQuoteFile(contents);
  auto quote = std::make_unique<Quote>();
  quote->text = std::string(file.text);
  const auto hook = std::make_shared<QuoteHook>(std::move(quote));

  std::unordered_set<Character*> owners;
  for (const std::string_view token : artNameTokens(file.artNames)) {
    const auto found = artsByName_.find(std::string(token));
    if (found == artsByName_.end()) continue;
    if (owners.insert(found->second).second) found->second->addQuote(hook);
  }
}

QuoteFile splitQuoteFile(std::string_view contents) {
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
