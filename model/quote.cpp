#include "model/quote.hpp"

#include "model/exception.hpp"

namespace trot {

namespace {
constexpr std::string_view kQuoteTag = "qte";
}

void Quote::encode(std::ostream& stream) {
  writeTag(stream, kQuoteTag);
  writeString(stream, text);
}

void Quote::decode(std::istream& stream) {
  if (!expectTag(stream, kQuoteTag)) throw NullException("Failed to decode quote, invalid input format");
  readString(stream, text);
}

}  // namespace trot
