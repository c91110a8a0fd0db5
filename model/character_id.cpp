#include "model/character_id.hpp"

namespace trot {

CharacterId nextCharacterId() {
  static CharacterId next = 0;
  return next++;
}

}  // namespace trot
