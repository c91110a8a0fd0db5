#include "converter/dispatch.hpp"

#include "render/color_format.hpp"

namespace trot {

void printUsage(const char* program, std::ostream& out) {
  out << "  ORG short for Originals\n";
  out << "Usage:\n";
  out << program << " convertall <IN ORG RESOURCE FOLDER> <OUT RESOURCE FOLDER>\n";
  out << program << " convertponies <IN ORG ART FOLDER(S)> <IN ORG QUOTE FOLDER> <OUT FILE (.bin)>\n";
  out << program << " convertbubbles <IN ORG BUBBLES FOLDER> <OUT BUBBLES FOLDER>\n";
  out << program << " merge <IN PONY BIN(S)..> <OUT PONY BIN>\n";
  out << program << " serializeall <IN RESOURCE FOLDER> <OUT ORG RESOURCE FOLDER>\n";
  out << program << " serializeponies <IN FILE (.bin)> <OUT ORG ART FOLDER> <OUT ORG QUOTE FOLDER>\n";
  out << program << " serializebubbles <IN BUBBLES FOLDER> <OUT ORG BUBBLES FOLDER>\n";
}

int runTrotconv(int argc, const char* const* argv) {
  ColorFormatANSI format;
  format.setForeground(std::cout, Color(1, 2, 3));
  if (argc < 1) return -1;
  printUsage(argv[0]);
  return 0;
}

}  // namespace trot
