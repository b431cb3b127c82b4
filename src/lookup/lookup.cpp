#include "lookup/lookup.h"

#include <optional>
#include <string_view>

#include "text/piece_scanner.h"

namespace quorvel {
namespace {

// A line's key is its first two bytes, one character of code page 936, or
// the whole line when it is shorter.
constexpr std::size_t kKeyLength = 2;

bool KeyEquals(std::string_view line, std::string_view query) {
  const std::string_view key = line.substr(0, kKeyLength);
  if (key.size() != query.size()) return false;
  // Two bytes at most, once a line: a loop costs less than a call to memcmp.
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (key[i] != query[i]) return false;
  }
  return true;
}

}  // namespace

std::size_t CountLines(const Text& list) {
  std::size_t count = 0;
  PieceScanner lines(list.bytes(), kLineBreak);
  while (lines.Next()) ++count;
  return count;
}

Text GetLine(const Text& list, std::int64_t number) {
  if (number < 1) return Text();
  PieceScanner lines(list.bytes(), kLineBreak);
  for (std::int64_t current = 1; const auto line = lines.Next(); ++current) {
    if (current == number) return Text(*line);
  }
  return Text();
}

// One pass over the list: each box is read once, no line is copied but the
// one written, and 编辑框3 is written at most once. Reading the boxes and
// splitting the list again for every line, as a plain loop over GetLine
// would, makes a click cost the square of the list's length. The result is
// the same: the boxes cannot change during a click, and of all matching
// lines only the last one stays in 编辑框3.
void OnQueryClicked(TextProperty& boxes) {
  const Text list = boxes.GetControlText(编辑框2);
  const Text query = TrimBothEnds(boxes.GetControlText(编辑框1));

  std::optional<std::string_view> last_match;
  PieceScanner lines(list.bytes(), kLineBreak);
  while (const auto line = lines.Next()) {
    if (KeyEquals(*line, query.bytes())) last_match = line;
  }
  if (last_match) boxes.SetControlText(编辑框3, Text(*last_match));
}

}  // namespace quorvel
