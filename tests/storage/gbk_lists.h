// Made-up GBK lists of a given size, for tests and benchmarks.
#pragma once

#include <string>

namespace quorvel::testing {

// One line of 歌词 (lyric), the list's number and the line's, ended by CR LF.
// Every line begins with the character 歌.
inline std::string GbkLine(int list_number, int line) {
  return "\xB8\xE8\xB4\xCA " + std::to_string(list_number) + " " + std::to_string(line) + "\r\n";
}

// Exactly `bytes` bytes of such lines.
inline std::string GbkList(std::size_t bytes, int list_number = 0) {
  std::string list;
  for (int line = 0; list.size() < bytes; ++line) list += GbkLine(list_number, line);
  list.resize(bytes);
  return list;
}

// The lists that the saving helper writes in turn, known to the test that
// kills it: a few MB each, and no two of the same length.
inline constexpr int kSavedListCount = 3;

inline std::string SavedList(int which) { return GbkList(3'000'000 + 100'000 * which, which); }

}  // namespace quorvel::testing
