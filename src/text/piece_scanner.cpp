#include "text/piece_scanner.h"

#include <cstdint>
#include <cstring>

#include "text/text.h"

namespace quorvel {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// The number of bytes 0x80-0xFF directly before `end`, counting no further
// back than `floor`. Whole words of such bytes are skipped at once, since a
// line of Chinese text is one long run of them.
std::size_t LeadByteRunBefore(std::string_view bytes, std::size_t floor, std::size_t end) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::size_t start = end;
  while (start - floor >= sizeof(std::uint64_t)) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + start - sizeof word, sizeof word);
    if ((word & kHighBits) != kHighBits) break;
    start -= sizeof word;
  }
  while (start > floor && IsLeadByte(bytes[start - 1])) --start;
  return end - start;
}

}  // namespace

PieceScanner::PieceScanner(std::string_view text, std::string_view delimiter)
    : text_(text), delimiter_(delimiter), done_(text.empty()) {}

std::optional<std::string_view> PieceScanner::Next() {
  if (done_) return std::nullopt;
  const std::size_t found = delimiter_.empty() ? kNotFound : FindDelimiter(piece_start_);
  if (found == kNotFound) {
    done_ = true;
    if (piece_start_ == text_.size()) return std::nullopt;
    return text_.substr(piece_start_);
  }
  const std::string_view piece = text_.substr(piece_start_, found - piece_start_);
  piece_start_ = found + delimiter_.size();
  return piece;
}

// The first place at or after `from` (a character start) where the delimiter
// begins at a character start.
//
// Between `from` and the first place where the delimiter's bytes occur, the
// scan only steps over characters, so whether that place is a character
// start is decided by the bytes before it: the run of bytes 0x80-0xFF right
// before it begins at a character start (after a one-byte character, after a
// second byte, or at `from`) and is walked two bytes at a time, so the place
// is a character start exactly when that run has an even length. Otherwise
// the place is the second byte of a character and the scan goes on from the
// byte after it, the next character start.
std::size_t PieceScanner::FindDelimiter(std::size_t from) const {
  for (;;) {
    const std::size_t candidate = text_.find(delimiter_, from);
    if (candidate == kNotFound) return kNotFound;
    if (LeadByteRunBefore(text_, from, candidate) % 2 == 0) return candidate;
    from = candidate + 1;
  }
}

}  // namespace quorvel
