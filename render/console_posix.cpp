#include "render/console.hpp"

namespace trot {

void prepareConsole() {}

}  // namespace trot
