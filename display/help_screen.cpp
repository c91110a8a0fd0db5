#include "display/help_screen.hpp"

#include <string_view>

namespace trot {

namespace {

constexpr std::string_view kNoteIndent = "                         ";

// The screen's own colours, left out when the formatter writes none.
class HelpWriter {
 public:
  HelpWriter(std::ostream& out, const ColorFormat& format) : out_(out), coloured_(format.depth() != ColorDepth::None) {}

  void option(std::string_view column, std::string_view description) {
    out_ << colour("\033[95m") << column << colour("\033[36m") << description << '\n';
  }
  void note(std::string_view text) { out_ << kNoteIndent << colour("\033[37m") << text << '\n'; }

 private:
  std::string_view colour(std::string_view escape) const { return coloured_ ? escape : std::string_view(); }

  std::ostream& out_;
  bool coloured_;
};

}  // namespace

void printHelp(ColorFormat& format, std::ostream& out) {
  HelpWriter help(out, format);
  format.reset(out);
  out << "Trotspeak: a pony from Meadowlark and a few words, right in your terminal\n\n";
  out << "Trotspeak by defualt displays a pony from Meadowlark in \n"
         "ascii art form, and displays one of there quotes.\n"
         "All fields marked with P are non case sensitive, \n"
         "and only needs to match the first characters of a\n"
         "name\n"
      << std::flush;
  format.bold(out);
  out << "\nArguments:\n";
  format.reset(out);

  help.option("    -h , --help          ", "Displays this help screen");
  help.option("    -d , --debug         ", "Displays debug statments in output");
  help.option("    -v , --version       ", "Displays the programs build date");
  out << '\n';
  help.option("    -l , --list          ", "Displays a list of all the ponys");
  help.note(" ^^  If pony selected manually, lists artworks ");
  help.note(" ^^  If art selected manually, lists quotes ");
  help.option("    -a , --art <ART P>   ", "Specifys the art variant to use.  Doesnt need a provided pony");
  help.option("    -bl, --bubblelist    ", "Displays all the avalible bubbles");
  out << '\n';
  help.option("    -i , --info          ", "Displays info about the printed pony");
  help.option("    -o , --only          ", "Disables the bubble, printing only the artwork");
  help.option("    -q , --quote         ", "Displays a pony guarenteed to have a quote");
  help.option("    -p , --pony <PONY P> ", "Displays a pony with the given name");
  help.note(" ^^  trotspeak -p spike ");
  out << '\n';
  help.option("    -c , --characters <FILE> ", "Uses a specific pony bin file");
  help.note(" ^^  trotspeak -c resources/extraponies.bin ");
  help.note(" ^^  Give -c again to join more files ");
  out << '\n';
  help.option("    -b , --bubble <FILE> ", "Displays the message with selected bubble style file");
  help.note(" ^^  trotspeak -b resources/bubbles/ascii.bin ");
  out << '\n';
  help.option("    -r , --rainbow       ", "Prints the text/quote in rainbow colors");
  help.option("    -t , --think         ", "Forces the displaying of a think bubble");
  help.option("    -s , --say           ", "Forces the displaying of a say bubble");
  help.note(" ^^  If no think or say provided, chooses the");
  help.note(" ^^  available variant in the bubble file prefering say");
  out << '\n';
  help.option("    -W , --width <N>     ", "Wraps the text at N columns, whatever the terminal's width");
  help.option("         --color <WHEN>  ", "Colors the output: auto, always or never");
  help.note(" ^^  NO_COLOR set means never, unless always is given");
  help.option("         --colors <N>    ", "Forces 16, 256 or truecolor colors");
  help.option("         --format <F>    ", "Writes the picture as terminal text or as an svg image");
  help.note(" ^^  trotspeak --format=svg hello > pony.svg");
  out << '\n';
  help.option("         --seed <N>      ", "Picks the same pony, art, quote and colors every run");
  help.note(" ^^  TROTSPEAK_SEED=N does the same");
  help.option("         --paths         ", "Lists the folders searched for ponies and bubbles");
  help.note(" ^^  TROTSPEAK_PATH adds folders, separated like PATH");
  out << '\n';
  help.option("         --list-names    ", "Lists the pony names, one a line, for scripts");
  help.option("         --list-arts [P] ", "Lists the art names, of every pony or of pony P");
  help.option("         --list-quotes P ", "Lists pony P's quotes, one a line");
  help.option("         --list-bubbles  ", "Lists the bubble style names");
  out << '\n';
  help.option("    -  , --pipe          ", "Displays with a piped in message");
  help.note(" ^^  echo \"spike is the bast\" | trotspeak -");
  out << '\n';
  format.reset(out);
  out << std::flush;
}

void printVersion(std::ostream& out) {
  out << versionLine() << '\n' << "Build date: " << buildStamp() << '\n' << std::flush;
}

}  // namespace trot
