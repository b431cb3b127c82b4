// Walks the pieces of a text between delimiters without copying them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvel {

// The one place that knows how a text is cut at a delimiter. The scan goes by
// characters: a byte 0x80-0xFF starts a two-byte character and takes the next
// byte, whatever it is, as its second byte, so a delimiter is never found at
// the second byte of a character (a CR right after such a byte is part of the
// character, and a CR LF there is no line break).
//
// An empty text has no pieces; an empty delimiter gives the whole text as one
// piece; a delimiter at the very start gives an empty first piece, one right
// after another gives an empty piece between them, and one at the very end
// gives no empty last piece.
//
// The views point into the scanned text, which must outlive them.
class PieceScanner {
 public:
  PieceScanner(std::string_view text, std::string_view delimiter);

  // The next piece, or nothing once every piece has been given.
  std::optional<std::string_view> Next();

 private:
  std::size_t FindDelimiter(std::size_t from) const;
  std::size_t FindBytes(std::size_t from) const;

  std::string_view text_;
  std::string_view delimiter_;
  std::size_t piece_start_ = 0;
  bool done_;
};

}  // namespace quorvel
