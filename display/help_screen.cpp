#include "display/help_screen.hpp"

#include <string_view>

namespace trot {

namespace {

constexpr std::string_view kNoteIndent = "                         ";

void option(std::ostream& out, std::string_view column, std::string_view description) {
  out << "\033[95m" << column << "\033[36m" << description << '\n';
}

void note(std::ostream& out, std::string_view text) { out << kNoteIndent << "\033[37m" << text << '\n'; }

}  // namespace

void printHelp(ColorFormat& format, std::ostream& out) {
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

  option(out, "    -h , --help          ", "Displays this help screen");
  option(out, "    -d , --debug         ", "Displays debug statments in output");
  option(out, "    -v , --version       ", "Displays the programs build date");
  out << '\n';
  option(out, "    -l , --list          ", "Displays a list of all the ponys");
  note(out, " ^^  If pony selected manually, lists artworks ");
  note(out, " ^^  If art selected manually, lists quotes ");
  option(out, "    -a , --art <ART P>   ", "Specifys the art variant to use.  Doesnt need a provided pony");
  option(out, "    -bl, --bubblelist    ", "Displays all the avalible bubbles");
  out << '\n';
  option(out, "    -i , --info          ", "Displays info about the printed pony");
  option(out, "    -o , --only          ", "Disables the bubble, printing only the artwork");
  option(out, "    -q , --quote         ", "Displays a pony guarenteed to have a quote");
  option(out, "    -p , --pony <PONY P> ", "Displays a pony with the given name");
  note(out, " ^^  trotspeak -p spike ");
  out << '\n';
  option(out, "    -c , --characters <FILE> ", "Uses a specific pony bin file");
  note(out, " ^^  trotspeak -c resources/extraponies.bin ");
  out << '\n';
  option(out, "    -b , --bubble <FILE> ", "Displays the message with selected bubble style file");
  note(out, " ^^  trotspeak -b resources/bubbles/ascii.bin ");
  out << '\n';
  option(out, "    -r , --rainbow       ", "Prints the text/quote in rainbow colors");
  option(out, "    -t , --think         ", "Forces the displaying of a think bubble");
  option(out, "    -s , --say           ", "Forces the displaying of a say bubble");
  note(out, " ^^  If no think or say provided, chooses the");
  note(out, " ^^  available variant in the bubble file prefering say");
  out << '\n';
  option(out, "    -  , --pipe          ", "Displays with a piped in message");
  note(out, " ^^  echo \"spike is the bast\" | trotspeak -");
  out << '\n';
  format.reset(out);
  out << std::flush;
}

void printVersion(std::ostream& out) { out << "Build date: " << buildStamp() << '\n' << std::flush; }

}  // namespace trot
