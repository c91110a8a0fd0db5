// The folders of trotspeak's search path that belong to the user, as the
// environment names them: each folder of TROTSPEAK_PATH, then the user's data
// folder. trotspeak searches them before the installed ponies, and trotconv
// puts a pony made from a picture into the first of them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trot {

// What separates the entries of PATH and its kind on this system. This and
// the platform's lookups below are user_folders_<system>.cpp.
extern const char kPathListSeparator;

// The non-empty entries of a PATH-like list, in order.
std::vector<std::string> splitPathList(std::string_view list);

// The value of an environment variable as UTF-8, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> processEnvironment(const char* name);

// TROTSPEAK_PATH's folders, then $XDG_DATA_HOME/trotspeak, or
// ~/.local/share/trotspeak when XDG_DATA_HOME is not an absolute path; on
// Windows %LOCALAPPDATA%\trotspeak instead. Empty when no variable gives a
// folder.
std::vector<std::filesystem::path> userFolders(const EnvironmentLookup& lookup);

// The user's own data folder for trotspeak, the last of userFolders; none
// when the environment names no absolute folder for it.
std::optional<std::filesystem::path> userDataFolder(const EnvironmentLookup& lookup);

}  // namespace trot
