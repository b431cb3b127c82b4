#include "text/piece_scanner.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/text.h"

namespace quorvel {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// The number of bytes 0x80-0xFF directly before `end`, counting no further
// back than `floor`. A word of eight bytes is looked at at once, since a line
// of Chinese text is one long run of such bytes.
std::size_t LeadByteRunBefore(std::string_view bytes, std::size_t floor, std::size_t end) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  constexpr std::size_t kWord = sizeof(std::uint64_t);
  std::size_t start = end;
  while (start > floor && start >= kWord) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + start - kWord, kWord);
    const std::uint64_t low_bytes = ~word & kHighBits;
    if (low_bytes != 0) {
      // The bytes after the word's last byte below 0x80 are the run's start.
      const int bits_after = std::endian::native == std::endian::little
                                 ? std::countl_zero(low_bytes)
                                 : std::countr_zero(low_bytes);
      start -= static_cast<std::size_t>(bits_after) / 8;
      return end - std::max(start, floor);
    }
    start -= kWord;
  }
  while (start > floor && IsLeadByte(bytes[start - 1])) --start;
  return end - std::max(start, floor);
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
    const std::size_t candidate = FindBytes(from);
    if (candidate == kNotFound) return kNotFound;
    if (LeadByteRunBefore(text_, from, candidate) % 2 == 0) return candidate;
    from = candidate + 1;
  }
}

// The first place at or after `from` where the delimiter's bytes occur.
std::size_t PieceScanner::FindBytes(std::size_t from) const {
  const std::size_t size = delimiter_.size();
  if (text_.size() < size) return kNotFound;
  const char* const begin = text_.data();
  const char* const last = begin + (text_.size() - size);  // the last place it fits
  for (const char* at = begin + from; at <= last; ++at) {
    at = static_cast<const char*>(std::memchr(at, delimiter_[0], last - at + 1));
    if (at == nullptr) return kNotFound;
    std::size_t matched = 1;  // a loop, not memcmp: delimiters are a byte or two
    while (matched < size && at[matched] == delimiter_[matched]) ++matched;
    if (matched == size) return at - begin;
  }
  return kNotFound;
}

}  // namespace quorvel
