// One text that a pony can say, stored once however many ponies say it.
#pragma once

#include <string>

#include "model/character_id.hpp"
#include "model/codec/transcoder.hpp"

namespace trot {

class Quote final : public Transcoder {
 public:
  CharacterId owner = kNoOwner;  // not stored in files
  std::string text;              // may hold line breaks, never a NUL

  Quote() = default;
  Quote(const Quote&) = default;
  Quote& operator=(const Quote&) = default;
  ~Quote() = default;

  void encodeInit() override {}
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override { decode(stream); }
  void decode(std::istream& stream) override;
};

}  // namespace trot
