#include "model/pony_sources.hpp"

#include <memory>
#include <sstream>
#include <unordered_set>

#include "model/art_text_reader.hpp"
#include "model/exception.hpp"
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

}  // namespace

void PonySourceReader::readArtFolder(const Path& folder) {
  std::unordered_map<std::string, Character*> charactersByName;
  for (const FolderEntry& entry : listFolder(folder)) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    if (!entry.path.string().ends_with(".pony")) continue;
    try {
      entry.checkReadable();
      readArt(entry.path, charactersByName);
    } catch (const Exception& failure) {
      messages_ << "Failed to process pony art '" << quotedPath(entry.path) << "': ";
      failure.print(messages_);
      recordSkippedInput();
    }
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

void PonySourceReader::readArt(const Path& path, std::unordered_map<std::string, Character*>& charactersByName) {
  if (progress_ != nullptr) *progress_ << quotedPath(path) << '\n';
  const std::string text = readWholeFile(path);

  auto meta = std::make_unique<AsciiArtMeta>();
  meta->name = path.stem().string();
  meta->art.set(std::make_unique<AsciiArt>());
  ArtHeader header;
  parseArtText(meta->art.get(), text, &header, messages_);
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
