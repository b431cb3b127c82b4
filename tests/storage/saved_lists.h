// The lists that the saving helper writes in turn, known to the test that
// kills it: each is a few MB of GBK lines, and no two share a length.
#pragma once

#include <string>

namespace quorvel::testing {

inline constexpr int kSavedListCount = 3;

inline std::string SavedList(int which) {
  const std::size_t bytes = 3'000'000 + 100'000 * which;
  std::string list;
  for (int line = 0; list.size() < bytes; ++line) {
    // 歌词 (lyric), the list's number and the line's
    list += "\xB8\xE8\xB4\xCA " + std::to_string(which) + " " + std::to_string(line) + "\r\n";
  }
  list.resize(bytes);
  return list;
}

}  // namespace quorvel::testing
