// The slot through which one record refers to another. It owns at most one
// value, remembers where that value lies in the stream it was read from (so it
// can be loaded on demand) and where it was put in the stream being written
// (so a value held by several owners is written once and pointed at by all).
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "model/codec/transcoder.hpp"
#include "model/exception.hpp"

namespace trot {

template <class T>
class TranscoderHook final : public Transcoder {
 public:
  // Where the value was written in the current encode pass.
  streamPosition encodeOffset = kNoPosition;
  // Where the value is read from; none means "wherever the stream stands".
  // A position read from a file is used as it is, all ones included: a table
  // entry of all ones points past the end of any file, and reading from
  // there fails as it does past the end.
  std::optional<streamPosition> decodeOffset;
  // Starts true so that a hook writes nothing until encodeInit has run over it.
  bool encoded = true;
  std::unique_ptr<T> value;

  TranscoderHook() = default;
  explicit TranscoderHook(std::unique_ptr<T> initial) : value(std::move(initial)) {}
  ~TranscoderHook() = default;

  TranscoderHook(const TranscoderHook&) = delete;
  TranscoderHook& operator=(const TranscoderHook&) = delete;

  // A moved hook keeps where its value comes from, not its encode-pass state.
  TranscoderHook(TranscoderHook&& other) noexcept
      : Transcoder(), decodeOffset(other.decodeOffset), value(std::move(other.value)) {}
  TranscoderHook& operator=(TranscoderHook&& other) noexcept {
    encodeOffset = kNoPosition;
    decodeOffset = other.decodeOffset;
    encoded = true;
    value = std::move(other.value);
    return *this;
  }

  void encodeInit() override {
    if (!value) throw NullException("Tried to encode init unloaded transcoder value");
    encoded = false;
    encodeOffset = kNoPosition;
    value->encodeInit();
  }

  void encode(std::ostream& stream) override {
    if (encoded) return;
    encoded = true;
    encodeOffset = putPosition(stream);
    get().encode(stream);
  }

  void load(std::istream& stream) override { fresh(stream).load(stream); }
  void decode(std::istream& stream) override { fresh(stream).decode(stream); }

  T& get() {
    if (!value) throw NullException("Tried to fetch unloaded transcoder value");
    return *value;
  }
  const T& get() const {
    if (!value) throw NullException("Tried to fetch unloaded transcoder value");
    return *value;
  }

  // Takes ownership; where the hook reads from and writes to is unchanged.
  void set(std::unique_ptr<T> newValue) { value = std::move(newValue); }

 private:
  // Positions the stream for reading and replaces the value with a new one.
  T& fresh(std::istream& stream) {
    if (decodeOffset) {
      // A text that legitimately ran to the end of the stream leaves it
      // failed; that must not stop a later record from being reached.
      stream.clear();
      stream.seekg(static_cast<std::streamoff>(*decodeOffset));
    } else {
      decodeOffset = getPosition(stream);
    }
    value = std::make_unique<T>();
    return *value;
  }
};

// Shared by the index accessors of the containers: the value of `hook`,
// loaded (deep) from `stream` when it is not loaded yet. Without a stream an
// unloaded value is reported with the accessor's own `unloadedMessage`.
template <class T>
T& loadOnDemand(TranscoderHook<T>& hook, std::istream* stream, const char* unloadedMessage) {
  if (hook.value) return *hook.value;
  if (stream == nullptr) throw NullException(unloadedMessage);
  hook.load(*stream);
  return hook.get();
}

// Throws NullException unless `index` is below `count`.
inline void requireIndex(std::size_t index, std::size_t count, const char* what) {
  if (index >= count) {
    throw NullException(std::string(what) + " index " + std::to_string(index) + " is out of range, there are " +
                        std::to_string(count));
  }
}

}  // namespace trot
