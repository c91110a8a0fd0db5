// The one family of failures used by both programs, and its report format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace trot {

class Exception {
 public:
  // `reason` says why, in the system's words for a failed file (see
  // systemReason); empty when the message says all.
  explicit Exception(std::string message, std::string reason = {})
      : message_(std::move(message)), reason_(std::move(reason)) {}
  virtual ~Exception() = default;
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;

  virtual const char* typeName() const = 0;
  // Whether the report ends with a colon where no reason follows. Reports
  // of the command line's mistakes say all in their message.
  virtual bool closesWithColon() const { return true; }
  const std::string& message() const { return message_; }
  const std::string& reason() const { return reason_; }

  // Writes "<type> error: <message>:\n", or with a reason
  // "<type> error: <message>: <reason>\n", or without the colon when the
  // type closes without one, and nothing else; the texts pass
  // through escapeControlBytes, since they may quote any input.
  void print(std::ostream& stream) const;

 private:
  std::string message_;
  std::string reason_;
};

// The system's words for an errno value, such as "No such file or directory".
std::string systemReason(int error);

// `text` with every byte that could steer a terminal or would not show written
// as \xNN: control bytes, DEL, C1 controls and bytes that are not part of
// well-formed UTF-8. Everything else is kept as it is.
std::string escapeControlBytes(std::string_view text);

// Where a parser report's offending character stands in a source text, as
// " at line L, column C", both counted from 1, columns in characters.
std::string atLineAndColumn(std::size_t line, std::size_t column);

class FileException : public Exception {
 public:
  static constexpr std::int64_t kNoOffset = -1;

  // A real offset is appended as " at offset #N", N being the low 32 bits
  // read as a signed number (stored files and old reports print it so).
  FileException(std::int64_t offset, const std::string& message, std::string reason = {});

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
