// Plain models of the text operations, written straight from their byte
// rules with no thought for speed, for the fuzz targets to hold the real
// operations against. They work on std::string holding no zero bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::model {

inline bool IsHigh(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// Byte by byte, with the terminating zero taking part as a byte of value 0.
inline int Compare(const std::string& a, const std::string& b) {
  for (std::size_t i = 0;; ++i) {
    const unsigned ca = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
    const unsigned cb = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

inline std::string Left(const std::string& text, std::int32_t n) {
  if (n <= 0) return "";
  std::string left;
  for (std::size_t i = 0; i < text.size() && i < static_cast<std::size_t>(n); ++i) left += text[i];
  return left;
}

// Leading blanks are skipped byte-wise; the rest is cut into characters and
// blank characters are taken off its end, unless the last character is a
// lone lead byte, which alone goes.
inline std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  for (;;) {
    if (begin < text.size() && text[begin] == ' ') {
      begin += 1;
    } else if (begin + 1 < text.size() && text[begin] == '\xA1' && text[begin + 1] == '\xA1') {
      begin += 2;
    } else {
      break;
    }
  }
  std::vector<std::string> characters;
  for (std::size_t i = begin; i < text.size();) {
    const std::size_t width = IsHigh(text[i]) && i + 1 < text.size() ? 2 : 1;
    characters.push_back(text.substr(i, width));
    i += width;
  }
  if (!characters.empty() && characters.back().size() == 1 && IsHigh(characters.back()[0])) {
    characters.pop_back();
  } else {
    while (!characters.empty() && (characters.back() == " " || characters.back() == "\xA1\xA1")) {
      characters.pop_back();
    }
  }
  std::string trimmed;
  for (const std::string& character : characters) trimmed += character;
  return trimmed;
}

// The scan exactly as the rule walks it, one step at a time.
inline std::vector<std::string> Split(const std::string& text, const std::string& delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) return {text};
  std::size_t piece_start = 0;
  std::size_t pos = 0;
  while (text.size() - pos >= delimiter.size()) {
    if (text.substr(pos, delimiter.size()) == delimiter) {
      pieces.push_back(text.substr(piece_start, pos - piece_start));
      pos += delimiter.size();
      piece_start = pos;
    } else if (IsHigh(text[pos])) {
      if (pos + 1 == text.size()) break;
      pos += 2;
    } else {
      pos += 1;
    }
  }
  if (piece_start < text.size()) pieces.push_back(text.substr(piece_start));
  return pieces;
}

}  // namespace quorvel::model
