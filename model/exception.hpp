// The one family of failures used by both programs, and its report format.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace trot {

class Exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  virtual ~Exception() = default;
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;

  virtual const char* typeName() const = 0;
  const std::string& message() const { return message_; }

  // Writes "<type> error: <message>:\n" and nothing else; the message
  // passes through escapeControlBytes, since it may quote any input.
  void print(std::ostream& stream) const;

 private:
  std::string message_;
};

// `text` with every byte that could steer a terminal or would not show written
// as \xNN: control bytes, DEL, C1 controls and bytes that are not part of
// well-formed UTF-8. Everything else is kept as it is.
std::string escapeControlBytes(std::string_view text);

class FileException : public Exception {
 public:
  static constexpr std::int64_t kNoOffset = -1;

  // A real offset is appended as " at offset #N", N being the low 32 bits
  // read as a signed number (stored files and old reports print it so).
  FileException(std::int64_t offset, const std::string& message);

  const char* typeName() const override { return "File"; }
  std::int64_t offset() const { return offset_; }

 private:
  std::int64_t offset_;
};

class NullException : public Exception {
 public:
  using Exception::Exception;
  const char* typeName() const override { return "Null"; }
};

}  // namespace trot
