// The three UTF-8 helpers shared by the codec, the renderer and the converter.
// Text is never validated: these helpers are deliberately lenient, and stored
// files and sizes depend on their exact behaviour with broken input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trot {

// Takes the next code point off the front of `bytes`. Gives 0 for an empty
// view (consuming nothing), for a NUL byte and for any byte that cannot start
// a complete sequence; in that last case the byte after the lead is consumed
// too, when there is one. Continuation bytes are not checked.
std::uint32_t decodeNext(std::string_view& bytes);

// Number of non-zero code points before the view ends or decodeNext gives 0.
std::size_t countCodePoints(std::string_view bytes);

// Standard UTF-8 form; a value of 0x110000 or above gives no bytes.
std::string encodeUtf8(std::uint32_t codePoint);

// What decodeStrict gives for a byte that does not start a well-formed
// sequence.
inline constexpr std::uint32_t kInvalidByte = 0xFFFFFFFF;

// Takes the next character off the front of a non-empty `bytes` as a
// terminal reads UTF-8: a well-formed sequence gives its code point; any other
// byte, the lead of a cut-short sequence included, is taken alone and gives
// kInvalidByte, so it never swallows the byte after it. Nothing stored
// depends on this; it is for showing text.
std::uint32_t decodeStrict(std::string_view& bytes);

// `text` without the UTF-8 byte-order mark that some editors put at the
// start of a file.
inline std::string_view withoutByteOrderMark(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

}  // namespace trot
