#include "converter/picture_import.hpp"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "converter/picture_decoder.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/skipped_inputs.hpp"
#include "model/user_folders.hpp"
#include "model/utf8_path.hpp"
#include "render/art_renderer.hpp"
#include "render/color_format.hpp"

namespace trot {

namespace {

namespace fs = std::filesystem;

// "COLUMNSxROWS", each a number from 1. Numbers beyond what an art holds
// are kept large; the art is limited when it is made.
bool parseBox(std::string_view text, ArtBox& box) {
  const auto number = [](std::string_view digits, std::size_t& value) {
    if (digits.empty()) return false;
    value = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
      value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(c - '0'), 100000);
    }
    return value > 0;
  };
  const auto cross = text.find('x');
  return cross != std::string_view::npos && number(text.substr(0, cross), box.columns) &&
         number(text.substr(cross + 1), box.rows);
}

PictureException tooLarge() { return PictureException("the file is larger than 64 MiB"); }

// Refused before a byte is read when the file says it is too large, and
// while reading should it be something that only grows (a pipe, a device).
std::string readPictureFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error) throw PictureException(error.message());
  if (fs::is_directory(status)) throw PictureException("it is a folder");
  if (fs::is_regular_file(status) && fs::file_size(path, error) > kMostPictureBytes && !error) throw tooLarge();

  std::ifstream in(path, std::ios::binary);
  if (!in) throw PictureException("it cannot be opened");
  std::string bytes;
  std::string chunk(std::size_t{1} << 16, '\0');
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMostPictureBytes) throw tooLarge();
  }
  if (in.bad()) throw PictureException("it cannot be read");
  return bytes;
}

fs::path ownPoniesFolder() {
  const auto folders = userFolders(processEnvironment);
  if (folders.empty()) {
    throw PictureException("No folder of your own to put the pony in: name the art folder, or set TROTSPEAK_PATH");
  }
  return folders.front() / "ponies";
}

void refuse(std::ostream& out, const std::string& message) {
  out << escapeControlBytes(message) << '\n';
  recordSkippedInput();
}

}  // namespace

std::optional<PictureImport> parsePictureImport(const std::vector<std::string_view>& args) {
  PictureImport import;
  std::vector<std::string_view> operands;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!options || !arg.starts_with("--")) {
      operands.push_back(arg);
    } else if (arg == "--") {
      options = false;
    } else if (arg == "--below") {
      import.bubbleBelow = true;
    } else if (arg == "--force") {
      import.replace = true;
    } else if (arg.starts_with("--box=")) {
      if (!parseBox(arg.substr(6), import.box)) return std::nullopt;
    } else if (arg == "--box" && i + 1 < args.size()) {
      if (!parseBox(args[++i], import.box)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (operands.empty() || operands.size() > 3) return std::nullopt;
  import.picture = pathFromUtf8(operands[0]);
  if (operands.size() > 1) import.artFolder = pathFromUtf8(operands[1]);
  if (operands.size() > 2) import.ponyName = std::string(operands[2]);
  return import;
}

std::optional<std::string> unusablePonyName(std::string_view name) {
  if (name.empty()) return "it is empty";
  if (name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t') {
    return "a NAME header drops blanks at either end";
  }
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ',') return "a comma in a NAME header separates two names";
    if (c == '(' || c == ')') return "a NAME header leaves out what is in brackets";
    if (byte < 0x20 || byte == 0x7F) return "a NAME header cannot hold a control byte";
  }
  return std::nullopt;
}

void importPicture(const PictureImport& import, std::ostream& out) {
  const std::string artName = import.picture.stem().string();
  const std::string ponyName = import.ponyName.value_or(artName);
  if (const auto why = unusablePonyName(ponyName)) {
    refuse(out, "Pony name '" + ponyName + "' cannot be used: " + *why);
    return;
  }
  AsciiArt art;
  try {
    // The file's bytes go once they are decoded: a picture may take 64 MiB.
    Picture picture = decodePicture(readPictureFile(import.picture));
    art = artFromPicture(std::move(picture), import.box, !import.bubbleBelow);
  } catch (const PictureException& failure) {
    refuse(out, "Failed to read picture '" + quotedPath(import.picture) + "': " + failure.message());
    return;
  }

  const fs::path folder = import.artFolder ? *import.artFolder : ownPoniesFolder();
  fs::create_directories(folder);
  const fs::path output = folder / pathFromUtf8(artName + ".pony");
  std::error_code error;
  if (!import.replace && fs::exists(fs::symlink_status(output, error))) {
    refuse(out, "Failed to write pony art '" + quotedPath(output) + "': it exists already (--force replaces it)");
    return;
  }
  ColorFormatANSI format;
  writeTextFile(output, artFileText(ponyName, art, format));
  out << escapeControlBytes("Wrote " + quotedPath(output) + ": " + ponyName + ", " + std::to_string(art.width) + "x" +
                            std::to_string(art.rows.size() - kConnectorRows) + " cells")
      << '\n';
}

}  // namespace trot
