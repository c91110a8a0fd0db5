// Identity of a character within one run, used to record which character owns
// a shared art or quote. Ids are never stored in files.
#pragma once

#include <cstdint>

namespace trot {

using CharacterId = std::uint64_t;

// Never names a character: in an owner field it means "no owner".
inline constexpr CharacterId kNoOwner = ~CharacterId{0};

// The next value of the process-wide counter, which starts at 0.
CharacterId nextCharacterId();

}  // namespace trot
