// Kept apart so that the folder, a build setting, is compiled in one place:
// display/CMakeLists.txt gives it to this file alone.
#include "display/ponies/search_path.hpp"

namespace trot {

std::filesystem::path installDataFolder() { return TROT_INSTALL_DATA_FOLDER; }

}  // namespace trot
