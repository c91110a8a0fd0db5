#include "display/flow/help_screen.hpp"

#include <algorithm>
#include <string_view>

#include "display/flow/option_table.hpp"

namespace trot {

namespace {

constexpr std::string_view kNoteIndent = "                         ";
constexpr std::size_t kColumnWidth = 24;

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

// "    -p , --pony <PONY P> ": the short name in three columns, the long
// one and the placeholder, padded to line the descriptions up.
std::string optionColumn(const OptionRow& row) {
  std::string column = "    ";
  column += row.names[0];
  column.resize(column.size() + 3 - row.names[0].size(), ' ');
  column += row.names[0].empty() ? "  " : ", ";
  column += row.names[1];
  if (!row.placeholder.empty()) (column += ' ') += row.placeholder;
  column.resize(std::max(column.size(), kColumnWidth), ' ');
  return column + ' ';
}

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
  for (const OptionRow& row : optionTable()) {
    help.option(optionColumn(row), row.description);
    for (const std::string_view note : row.notes)
      if (!note.empty()) help.note(note);
    if (row.gapAfter) out << '\n';
  }
  format.reset(out);
  out << std::flush;
}

void printVersion(std::ostream& out) {
  out << versionLine() << '\n' << "Build date: " << buildStamp() << '\n' << std::flush;
}

}  // namespace trot
