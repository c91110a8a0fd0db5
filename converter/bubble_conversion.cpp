#include "converter/bubble_conversion.hpp"

#include <map>
#include <sstream>
#include <string>

#include "converter/balloon_text.hpp"
#include "model/bubble.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/files/file_io.hpp"
#include "model/skipped_inputs.hpp"
#include "model/utf8_path.hpp"

namespace trot {

namespace {

using Path = std::filesystem::path;

// Room for the largest style the pieces' limits allow, with comments; a
// larger file is refused before it is read.
constexpr std::uint64_t kMostBalloonFileBytes = std::uint64_t{4} << 20;

Path withSuffix(Path path, const char* suffix) {
  path += suffix;
  return path;
}

void readBalloonFile(const Path& path, std::map<std::string, BubbleTypes>& styles) {
  Bubble bubble;
  parseBalloon(bubble, readWholeFile(path, kMostBalloonFileBytes));
  BubbleTypes& style = styles[path.stem().string()];
  const std::string extension = path.extension().string();
  if (extension == ".say") {
    style.setSay(bubble);
  } else if (extension == ".think") {
    style.setThink(bubble);
  } else {
    throw NullException("Failed to determine say/think type of file: " + path.string());
  }
}

void writeBalloonFile(const Path& path, const Bubble& bubble) {
  std::ostringstream text;
  writeBalloon(bubble, text);
  writeTextFile(path, text.str());
}

}  // namespace

void convertBubbles(const Path& inFolder, const Path& outFolder, std::ostream& out) {
  if (!isDirectory(inFolder)) {
    reportNotADirectory(out, inFolder);
    return;
  }
  std::filesystem::create_directories(outFolder);

  std::map<std::string, BubbleTypes> styles;
  for (const FolderEntry& entry : listFolder(inFolder)) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    try {
      entry.checkReadable();
      readBalloonFile(entry.path, styles);
    } catch (const Exception& failure) {
      out << "Failed to process bubble '" << quotedPath(entry.path) << "': ";
      failure.print(out);
      recordSkippedInput();
    }
  }

  unsigned written = 0;
  const FolderFlushBatch flushOnce;
  for (auto& entry : styles) {
    const std::string& name = entry.first;
    BubbleTypes& style = entry.second;
    if (!style.hasSay() && !style.hasThink()) continue;
    try {
      const Path output = withSuffix(outFolder / pathFromUtf8(name), ".bin");
      style.encodeInit();
      writeOutputFile(
          output, [&](std::ostream& stream) { style.encode(stream); },
          [&] { throw NullException("Failed to open file for writing to " + output.string()); });
      ++written;
    } catch (const Exception& failure) {
      out << "Failed to save bubble '" << escapeControlBytes(name) << "': ";
      failure.print(out);
      recordSkippedInput();
    }
  }
  out << "Processed " << written << " bubbles\n";
}

void serializeBubbles(const Path& inFolder, const Path& outFolder, std::ostream& out) {
  if (!isDirectory(inFolder)) {
    reportNotADirectory(out, inFolder);
    return;
  }
  std::filesystem::create_directories(outFolder);

  unsigned written = 0;
  for (const FolderEntry& entry : listFolder(inFolder)) {
    if (!entry.isRegularFile() && !entry.problem) continue;
    try {
      entry.checkReadable();
      BubbleTypes style;
      loadFromFile(style, entry.path);
      const Path base = outFolder / entry.path.stem();
      if (style.hasSay()) {
        writeBalloonFile(withSuffix(base, ".say"), style.getSay());
        ++written;
      }
      if (style.hasThink()) {
        writeBalloonFile(withSuffix(base, ".think"), style.getThink());
        ++written;
      }
    } catch (const Exception& failure) {
      out << "Failed to process bubble: " << quotedPath(entry.path.filename()) << '\n';
      failure.print(out);
      recordSkippedInput();
    }
  }
  out << "### Serialized " << written << " bubbles\n";
}

}  // namespace trot
