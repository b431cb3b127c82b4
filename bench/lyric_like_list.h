// Generated lists of lyric-like lines for the benchmarks (not real lyrics).
#pragma once

#include <random>
#include <string>

namespace quorvel::bench {

// Lines of 10 to 18 random characters of code page 936 (not real lyrics),
// half of them with a space between two phrases: about 30 bytes a line.
inline std::string LyricLikeList(int lines) {
  std::mt19937 random(936);
  auto below = [&](unsigned bound) { return random() % bound; };
  std::string list;
  for (int line = 0; line < lines; ++line) {
    const unsigned characters = 10 + below(9);
    const unsigned space_at = below(2) ? 4 + below(4) : characters;
    for (unsigned i = 0; i < characters; ++i) {
      if (i == space_at) list += ' ';
      list += static_cast<char>(0xB0 + below(0xD8 - 0xB0));
      list += static_cast<char>(0xA1 + below(0xFF - 0xA1));
    }
    list += "\r\n";
  }
  return list;
}

}  // namespace quorvel::bench
