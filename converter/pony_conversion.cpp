#include "converter/pony_conversion.hpp"

#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/pony_source_reader.hpp"

namespace trot {

void convertPonies(const std::vector<std::filesystem::path>& artFolders, const std::filesystem::path& quoteFolder,
                   const std::filesystem::path& output, std::ostream& out) {
  QuoteFolder quotes(quoteFolder);
  convertPonies(artFolders, quotes, output, out);
}

void convertPonies(const std::vector<std::filesystem::path>& artFolders, QuoteFolder& quotes,
                   const std::filesystem::path& output, std::ostream& out) {
  if (!isDirectory(quotes.path())) {
    reportNotADirectory(out, quotes.path());
    return;
  }
  PonySourceReader reader(out, &out);
  for (const auto& folder : artFolders) {
    if (!isDirectory(folder)) {
      reportNotADirectory(out, folder);
      return;
    }
    reader.readArtFolder(folder);
  }
  reader.readQuoteFolder(quotes);

  CharacterGroup& group = reader.group;
  // Checked before the count is printed: a group too large for the file is
  // refused as a whole.
  group.encodeInit();
  out << "Processed " << group.characterCount() << " characters\n";
  writeOutputFile(
      output, [&](std::ostream& stream) { group.encode(stream); },
      [&] { throw NullException("Failed to open file for writing to " + output.string()); });
}

}  // namespace trot
