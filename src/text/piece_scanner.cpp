#include "text/piece_scanner.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/text.h"

namespace quorvel {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

#if defined(__SSE2__)

// Sixteen bytes are looked at at once, in line: a line of lyrics is some
// thirty bytes, so a call to the C library's memchr for every line costs
// more than the search itself, most of all in the 32-bit Windows build.
constexpr std::size_t kBlock = 16;

const __m128i* AsBlock(const char* at) { return reinterpret_cast<const __m128i*>(at); }

// The first `byte` in [at, end), or null. Whole blocks are read only while
// they lie inside the range; the last few bytes go to memchr.
const char* FindByte(const char* at, const char* end, char byte) {
  const __m128i wanted = _mm_set1_epi8(byte);
  for (; static_cast<std::size_t>(end - at) >= kBlock; at += kBlock) {
    const __m128i same = _mm_cmpeq_epi8(_mm_loadu_si128(AsBlock(at)), wanted);
    const auto hits = static_cast<unsigned>(_mm_movemask_epi8(same));
    if (hits != 0) return at + std::countr_zero(hits);
  }
  return static_cast<const char*>(std::memchr(at, byte, end - at));
}

// How many of the kBlock bytes before `end` are 0x80-0xFF counting back from
// `end` to the first byte below 0x80; kBlock when there is none. The sign bit
// of each byte is its high bit.
std::size_t LeadBytesEndingAt(const char* end) {
  const __m128i block = _mm_loadu_si128(AsBlock(end - kBlock));
  const auto high = static_cast<unsigned>(_mm_movemask_epi8(block));
  const unsigned low = ~high & 0xFFFFu;
  return kBlock - static_cast<std::size_t>(std::bit_width(low));
}

#else

constexpr std::size_t kBlock = sizeof(std::uint64_t);

const char* FindByte(const char* at, const char* end, char byte) {
  return static_cast<const char*>(std::memchr(at, byte, end - at));
}

// As above, with the eight bytes of a word.
std::size_t LeadBytesEndingAt(const char* end) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::uint64_t word;
  std::memcpy(&word, end - kBlock, kBlock);
  const std::uint64_t low_bytes = ~word & kHighBits;
  const int bits_after = std::endian::native == std::endian::little
                             ? std::countl_zero(low_bytes)
                             : std::countr_zero(low_bytes);
  return static_cast<std::size_t>(bits_after) / 8;
}

#endif

// The number of bytes 0x80-0xFF directly before `end`, counting no further
// back than `floor`. A block of bytes is looked at at once, since a line of
// Chinese text is one long run of such bytes.
std::size_t LeadByteRunBefore(std::string_view bytes, std::size_t floor, std::size_t end) {
  std::size_t start = end;
  while (start > floor && start >= kBlock) {
    const std::size_t run = LeadBytesEndingAt(bytes.data() + start);
    start -= run;
    if (run < kBlock) return end - std::max(start, floor);
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
    at = FindByte(at, last + 1, delimiter_[0]);
    if (at == nullptr) return kNotFound;
    std::size_t matched = 1;  // a loop, not memcmp: delimiters are a byte or two
    while (matched < size && at[matched] == delimiter_[matched]) ++matched;
    if (matched == size) return at - begin;
  }
  return kNotFound;
}

}  // namespace quorvel
