#include "converter/resource_commands.hpp"

#include "converter/bubble_conversion.hpp"
#include "converter/pony_conversion.hpp"
#include "converter/pony_serialization.hpp"
#include "model/character_group.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/files/file_io.hpp"
#include "model/skipped_inputs.hpp"

namespace trot {

using Path = std::filesystem::path;

void mergeDatabases(const std::vector<Path>& inputs, const Path& output) {
  CharacterGroup result;
  for (const Path& input : inputs) {
    CharacterGroup group;
    loadFromFile(group, input);
    result.merge(group);
  }
  saveToFile(result, output);
}

void convertAll(const Path& in, const Path& out, std::ostream& messages) {
  // The databases go there even when there are no balloons to convert.
  std::filesystem::create_directories(out);
  convertBubbles(in / "balloons", out / "bubbles", messages);
  QuoteFolder quotes(in / "quotes");
  for (const Path& folder : findSubfolders(in, "ttyponies", messages)) {
    Path database = out / folder.filename();
    database += ".bin";
    convertPonies({folder}, quotes, database, messages);
  }
}

void serializeAll(const Path& in, const Path& out, std::ostream& messages) {
  if (!isDirectory(in)) {
    reportNotADirectory(messages, in);
    return;
  }
  serializeBubbles(in / "bubbles", out / "balloons", messages);
  for (const FolderEntry& entry : listFolder(in)) {
    if ((!entry.isRegularFile() && !entry.problem) || entry.path.extension().string() != ".bin") continue;
    const Path stem = entry.path.stem();
    if (stem == "." || stem == "..") {
      // The art folder is named after the database and must stay inside `out`.
      messages << "Failed to process character: " << quotedPath(entry.path.filename()) << '\n';
      NullException("Database name '" + stem.string() + "' cannot be used as an art folder name").print(messages);
      recordSkippedInput();
      continue;
    }
    serializePonies(entry.path, out / stem, out / "quotes", messages);
  }
}

}  // namespace trot
