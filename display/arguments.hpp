// trotspeak's command line: one record of what the user asked for.
#pragma once

#include <iostream>
#include <string>

namespace trot {

struct Arguments {
  std::string ponyName;
  std::string message;
  std::string bubbleFile;
  std::string artName;
  std::string charactersFile;

  bool help = false;
  bool list = false;
  bool art = false;
  bool characters = false;
  bool pony = false;
  bool version = false;
  bool only = false;
  bool quote = false;
  bool bubbleList = false;
  bool bubble = false;
  bool think = false;
  bool say = false;
  bool info = false;
  bool debug = false;
  bool rainbow = false;
};

// Nothing on the command line is an error: unknown entries become the
// message, a missing option value leaves its field empty. The debug trace
// goes to `debugOut`; the pipe option reads `pipeIn` to its end.
Arguments parseArguments(int argc, const char* const* argv, std::ostream& debugOut = std::cout,
                         std::istream& pipeIn = std::cin);

// Drops one pair of enclosing double quotes that a shell passed through.
std::string stripQuotes(std::string text);

}  // namespace trot
