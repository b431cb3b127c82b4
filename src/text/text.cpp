#include "text/text.h"

#include "text/piece_scanner.h"

namespace quorvel {
namespace {

std::string_view BeforeFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

constexpr char kSpace = 0x20;
constexpr char kFullWidthHalf = static_cast<char>(0xA1);

}  // namespace

Text::Text(std::string_view bytes) : bytes_(BeforeFirstZero(bytes)) {}

Text::Text(const char* bytes) : Text(std::string_view(bytes ? bytes : "")) {}

Text::Text(std::string&& bytes) : bytes_(std::move(bytes)) {
  bytes_.resize(BeforeFirstZero(bytes_).size());
}

std::size_t TextLength(const Text& text) { return text.bytes().size(); }

int CompareText(const Text& a, const Text& b) {
  // std::string_view compares through char_traits<char>, which compares
  // as unsigned char: 0x80 sorts after 'a'.
  const int order = a.bytes().compare(b.bytes());
  return (order > 0) - (order < 0);
}

Text TextLeft(const Text& text, std::int32_t n) {
  if (n <= 0) return Text();
  return Text(text.bytes().substr(0, static_cast<std::size_t>(n)));
}

Text TrimBothEnds(const Text& text) {
  const std::string_view bytes = text.bytes();
  const std::size_t size = bytes.size();

  std::size_t begin = 0;
  while (begin < size) {
    if (bytes[begin] == kSpace) {
      begin += 1;
    } else if (bytes[begin] == kFullWidthHalf && begin + 1 < size &&
               bytes[begin + 1] == kFullWidthHalf) {
      begin += 2;
    } else {
      break;
    }
  }

  // Trailing blanks are found by a left-to-right scan by characters: only a
  // scan from a known character start can tell a full-width space from the
  // second byte of one character followed by the first byte of the next.
  std::size_t end = size;
  std::size_t run_start = size;  // start of the latest run of blanks, or none
  std::size_t pos = begin;
  while (pos < size) {
    if (IsLeadByte(bytes[pos])) {
      if (pos + 1 == size) {
        // A lead byte without its second byte is dropped, and the blanks
        // before it are kept: the run was broken by a character.
        end = pos;
        run_start = size;
        break;
      }
      const bool blank = bytes[pos] == kFullWidthHalf && bytes[pos + 1] == kFullWidthHalf;
      if (!blank) run_start = size;
      else if (run_start == size) run_start = pos;
      pos += 2;
    } else {
      const bool blank = bytes[pos] == kSpace;
      if (!blank) run_start = size;
      else if (run_start == size) run_start = pos;
      pos += 1;
    }
  }
  if (run_start != size) end = run_start;
  return Text(bytes.substr(begin, end - begin));
}

TextArray SplitText(const Text& text, const Text& delimiter) {
  TextArray pieces;
  PieceScanner scanner(text.bytes(), delimiter.bytes());
  while (const auto piece = scanner.Next()) pieces.emplace_back(*piece);
  return pieces;
}

std::size_t MemberCount(const TextArray& array) { return array.size(); }

}  // namespace quorvel
