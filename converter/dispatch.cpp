#include "converter/dispatch.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "converter/bubble_conversion.hpp"
#include "converter/picture_import.hpp"
#include "converter/pony_conversion.hpp"
#include "converter/pony_serialization.hpp"
#include "converter/resource_commands.hpp"
#include "model/exception.hpp"
#include "model/files/file_io.hpp"
#include "model/skipped_inputs.hpp"
#include "model/utf8_path.hpp"

namespace trot {

namespace {

using Path = std::filesystem::path;

std::vector<Path> pathsBetween(const char* const* first, const char* const* last) {
  std::vector<Path> paths;
  for (; first != last; ++first) paths.push_back(pathFromUtf8(*first));
  return paths;
}

// The commands tried depend on the argument count first: each takes a fixed
// count, or at least one input before its fixed trailing arguments; only
// "picture", which has options, looks at its arguments itself. Gives false
// when the command line names no command; `argc` is at least 2.
bool runCommand(int argc, const char* const* argv, std::ostream& out) {
  const std::string_view command = argv[1];
  if (command == "picture") {
    const auto import = parsePictureImport({argv + 2, argv + argc});
    if (import) importPicture(*import, out);
    return import.has_value();
  }
  if (argc < 4) return false;
  const Path last = pathFromUtf8(argv[argc - 1]);
  if (argc == 4) {
    const Path first = pathFromUtf8(argv[2]);
    if (command == "convertall") {
      convertAll(first, last, out);
    } else if (command == "convertbubbles") {
      convertBubbles(first, last, out);
    } else if (command == "merge") {
      mergeDatabases({first}, last);
    } else if (command == "serializeall") {
      serializeAll(first, last, out);
    } else if (command == "serializebubbles") {
      serializeBubbles(first, last, out);
    } else {
      return false;
    }
    return true;
  }
  if (argc >= 5) {
    const Path secondLast = pathFromUtf8(argv[argc - 2]);
    if (command == "convertponies") {
      convertPonies(pathsBetween(argv + 2, argv + argc - 2), secondLast, last, out);
    } else if (command == "merge") {
      mergeDatabases(pathsBetween(argv + 2, argv + argc - 1), last);
    } else if (command == "serializeponies") {
      for (const Path& input : pathsBetween(argv + 2, argv + argc - 2)) serializePonies(input, secondLast, last, out);
    } else {
      return false;
    }
    return true;
  }
  return false;
}

}  // namespace

void printUsage(const char* programPath, std::ostream& out) {
  const std::string program = escapeControlBytes(programPath);
  out << "  ORG short for Originals\n";
  out << "Usage:\n";
  out << program << " convertall <IN ORG RESOURCE FOLDER> <OUT RESOURCE FOLDER>\n";
  out << program << " convertponies <IN ORG ART FOLDER(S)> <IN ORG QUOTE FOLDER> <OUT FILE (.bin)>\n";
  out << program << " convertbubbles <IN ORG BUBBLES FOLDER> <OUT BUBBLES FOLDER>\n";
  out << program << " merge <IN PONY BIN(S)..> <OUT PONY BIN>\n";
  out << program << " serializeall <IN RESOURCE FOLDER> <OUT ORG RESOURCE FOLDER>\n";
  out << program << " serializeponies <IN FILE (.bin)> <OUT ORG ART FOLDER> <OUT ORG QUOTE FOLDER>\n";
  out << program << " serializebubbles <IN BUBBLES FOLDER> <OUT ORG BUBBLES FOLDER>\n";
  out << program
      << " picture [--box <COLUMNS>x<ROWS>] [--below] [--force] <IN PICTURE (.png/.bmp)> [<OUT ORG ART FOLDER>]"
         " [<PONY NAME>]\n";
}

namespace {

constexpr int kExitSkipped = 1;
constexpr int kExitFailure = -1;

int runGuarded(int argc, const char* const* argv) {
  try {
    if (argc < 2 || !runCommand(argc, argv, std::cout)) printUsage(argv[0], std::cout);
    return anyInputSkipped() ? kExitSkipped : 0;
  } catch (const Exception& failure) {
    std::cout.flush();
    failure.print(std::cerr);
  } catch (const std::filesystem::filesystem_error& failure) {
    // Folders that cannot be listed or created end the run like any other
    // failure that reaches the top: one line on standard error.
    std::cout.flush();
    std::cerr << escapeControlBytes(failure.what()) << '\n';
  }
  return kExitFailure;
}

}  // namespace

int runTrotconv(int argc, const char* const* argv) {
  if (argc < 1) return kExitFailure;
  forgetSkippedInputs();
  noticeSplitLinksOn(&std::cout);
  const int status = runGuarded(argc, argv);
  // Messages that never arrived (a full disk, a closed descriptor) are a
  // failure too; a reader that went away is not worth a word.
  errno = 0;
  if (std::cout.flush()) return status;
  if (errno != EPIPE) {
    std::cerr << "trotconv: write error: " << std::strerror(errno != 0 ? errno : EIO) << '\n' << std::flush;
  }
  return kExitFailure;
}

}  // namespace trot
