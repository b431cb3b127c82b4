// Text values of the tool: 8-bit bytes in the ANSI code page (936, GBK).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A run of bytes without zero bytes. Absent and empty are the same value:
// a default-constructed Text is both. Construction keeps only the bytes
// before the first zero byte, the way every reader of a C string would.
class Text {
 public:
  Text() = default;
  explicit Text(std::string_view bytes);
  explicit Text(const char* bytes);
  explicit Text(std::string&& bytes);

  std::string_view bytes() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  std::string bytes_;
};

// A counted run of bytes of any value, zero bytes included.
class ByteSet {
 public:
  ByteSet() = default;
  explicit ByteSet(std::string_view bytes) : bytes_(bytes) {}
  explicit ByteSet(std::string&& bytes) : bytes_(std::move(bytes)) {}

  std::string_view bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const ByteSet&, const ByteSet&) = default;

 private:
  std::string bytes_;
};

// Members are numbered from 1 by the routines that take a member number;
// the vector itself is indexed from 0.
using TextArray = std::vector<Text>;

// Splitting and trimming take a byte 0x80-0xFF as the first byte of a
// two-byte character, whatever the byte after it is.
inline bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

std::size_t TextLength(const Text& text);

// The bytes of every argument, in order, with nothing between them.
template <typename... Texts>
Text ConcatText(const Text& first, const Texts&... rest) {
  std::string bytes;
  bytes.reserve((TextLength(first) + ... + TextLength(rest)));
  bytes.append(first.bytes());
  (bytes.append(rest.bytes()), ...);
  return Text(std::move(bytes));
}

// -1, 0 or 1, comparing bytes as unsigned values; a prefix sorts first.
int CompareText(const Text& a, const Text& b);

// At most the first n bytes; empty for n <= 0. May cut a two-byte character.
Text TextLeft(const Text& text, std::int32_t n);

// Without leading and trailing blanks (0x20 and the full-width 0xA1 0xA1).
Text TrimBothEnds(const Text& text);

// The pieces between delimiters, scanning by characters so that a delimiter
// is never found at the second byte of a two-byte character.
TextArray SplitText(const Text& text, const Text& delimiter);

std::size_t MemberCount(const TextArray& array);

}  // namespace quorvel
