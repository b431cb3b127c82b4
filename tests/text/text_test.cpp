#include "text/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// GBK bytes used below:
//   \xB0\xA1 啊   \xCA\xD7 首   \xD7\xD6 字   \xA1\xA1 full-width space
//   \xA1\xA2 、 (begins with 0xA1 but is no blank)

std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

std::vector<std::string> Members(const TextArray& array) {
  std::vector<std::string> members;
  for (const Text& member : array) members.emplace_back(member.bytes());
  return members;
}

TEST(Text, KeepsBytesBeforeTheFirstZeroByte) {
  EXPECT_EQ(Text(std::string_view("a\0b", 3)).bytes(), "a");
  EXPECT_EQ(Text(std::string("\0b", 2)), Text());
  EXPECT_EQ(Text(static_cast<const char*>(nullptr)), Text());
}

TEST(TextLength, CountsBytes) {
  const struct {
    const char* text;
    std::size_t length;
  } cases[] = {{"", 0}, {"a", 1}, {"\xB0\xA1", 2}, {"a\xB0\xA1 ", 4}, {"\x81", 1}};
  for (const auto& c : cases) EXPECT_EQ(TextLength(Text(c.text)), c.length) << c.text;
  EXPECT_EQ(TextLength(Text()), 0u);
}

TEST(ConcatText, JoinsBytesWithNothingBetween) {
  const struct {
    const char* a;
    const char* b;
    const char* joined;
  } cases[] = {
      {"C:\\dir", "\\zhanghao.txt", "C:\\dir\\zhanghao.txt"},
      {"C:\\dir\\", "\\x", "C:\\dir\\\\x"},
      {"", "", ""},
      {"", "\xB0\xA1", "\xB0\xA1"},
      {"\xB0", "\xA1", "\xB0\xA1"},  // halves meet into one character
  };
  for (const auto& c : cases) EXPECT_EQ(ConcatText(Text(c.a), Text(c.b)).bytes(), c.joined);
  EXPECT_EQ(ConcatText(Text("a"), Text(), Text("b"), Text("c")).bytes(), "abc");
  EXPECT_EQ(ConcatText(Text("one")).bytes(), "one");
}

TEST(CompareText, OrdersBytesAsUnsignedValues) {
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"", "", 0},
      {"ab", "ab", 0},
      {"ab", "abc", -1},
      {"abc", "ab", 1},
      {"", "a", -1},
      {"a", "", 1},
      {"\x80", "a", 1},
      {"a", "\x80", -1},
      {"\xB0\xA1", "\xB0\xA2", -1},
      {"\xFF", "\x7F\xFF", 1},
      {"A", "a", -1},  // no case rule
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareText(Text(c.a), Text(c.b)), c.order) << c.a << " vs " << c.b;
  }
}

TEST(CompareText, AbsentIsEmpty) {
  EXPECT_EQ(CompareText(Text(), Text("")), 0);
  EXPECT_EQ(CompareText(Text(""), Text()), 0);
  EXPECT_EQ(CompareText(Text(), Text()), 0);
  EXPECT_EQ(CompareText(Text(), Text("a")), -1);
  EXPECT_EQ(CompareText(Text("a"), Text()), 1);
}

TEST(CompareText, EveryPairOfBytes) {
  for (int a = 1; a < 256; ++a) {
    for (int b = 1; b < 256; ++b) {
      const int expected = (a > b) - (a < b);
      ASSERT_EQ(CompareText(Text(Byte(a)), Text(Byte(b))), expected) << a << " " << b;
    }
  }
}

TEST(TextLeft, CutsBytes) {
  const struct {
    const char* text;
    std::int32_t n;
    const char* left;
  } cases[] = {
      {"abc", 0, ""},
      {"abc", -1, ""},
      {"abc", INT32_MIN, ""},
      {"abc", 2, "ab"},
      {"abc", 3, "abc"},
      {"abc", 4, "abc"},
      {"abc", INT32_MAX, "abc"},
      {"a", 2, "a"},
      {"", 2, ""},
      {"\xB0\xA1x", 2, "\xB0\xA1"},
      {"a\xB0\xA1", 2, "a\xB0"},  // the cut falls inside a character
      {"\xB0\xA1", 1, "\xB0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextLeft(Text(c.text), c.n).bytes(), c.left) << c.text << " " << c.n;
  }
  EXPECT_EQ(TextLeft(Text(), 2), Text());
}

TEST(TrimBothEnds, Blanks) {
  const struct {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"", ""},
      {"a", "a"},
      {"  a  ", "a"},
      {"\xA1\xA1" "a" "\xA1\xA1", "a"},
      {" \xA1\xA1 \xCA\xD7 \xA1\xA1\xA1\xA1  ", "\xCA\xD7"},
      {"a b\xA1\xA1" "c", "a b\xA1\xA1" "c"},  // inner blanks stay
      {"   ", ""},
      {"\xA1\xA1 \xA1\xA1", ""},
      // Tab, CR and LF are no blanks, and blanks on their inner side stay.
      {"\t a", "\t a"},
      {"a \t", "a \t"},
      {" \r\n ", "\r\n"},
      {"\n a \n", "\n a \n"},
      // A character that begins with 0xA1 is no blank unless it is 0xA1 0xA1.
      {"\xA1\xA2 ", "\xA1\xA2"},
      {" \xA1\xA2", "\xA1\xA2"},
      {"\xA1" "a", "\xA1" "a"},
      // Leading: a lone 0xA1 stops the skip.
      {"\xA1\xA1\xA1" "a", "\xA1" "a"},
      // Trailing: the scan goes by characters from the left, so 0xA1 0xA1 is
      // a blank only as one whole character, and a byte after a lead byte
      // belongs to that character.
      {"x\xB0\xA1\xA1\xA1", "x\xB0\xA1"},
      {"\xB0\xA1\xA1", "\xB0\xA1"},  // 0xB0 0xA1, then a lone lead byte
      {"\xC8\xA1\xA1 ", "\xC8\xA1\xA1 "},  // 0xC8 0xA1, then 0xA1 0x20
      {"x\xA1\xA1\xA1\xA1", "x"},
      // A lone lead byte at the end is dropped and the blanks before it stay.
      {"a  \x81", "a  "},
      {"a\xA1\xA1\x81", "a\xA1\xA1"},
      {" \x81", ""},
      {"\x81", ""},
      {"\xA1", ""},
      {"\xA1\xA1\xA1", ""},  // a leading pair, then a lone lead byte
      {"x\xB0\xA1\xA1\xA1\xA1", "x\xB0\xA1\xA1\xA1"},  // a blank, then a lone lead byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimBothEnds(Text(c.text)).bytes(), c.trimmed) << c.text;
  }
  EXPECT_EQ(TrimBothEnds(Text()), Text());
}

TEST(TrimBothEnds, EveryByteBetweenSpaces) {
  for (int value = 1; value < 256; ++value) {
    const std::string b = Byte(value);
    std::string expected;
    if (value == ' ') expected = "";
    else if (value < 0x80) expected = b;
    else expected = b + " ";  // the space after a lead byte is its second byte
    EXPECT_EQ(TrimBothEnds(Text(" " + b + " ")).bytes(), expected) << value;
  }
}

TEST(TrimBothEnds, EveryByteAfterTrailingSpaces) {
  for (int value = 1; value < 256; ++value) {
    const std::string b = Byte(value);
    std::string expected;
    if (value == ' ') expected = "x";
    else if (value < 0x80) expected = "x  " + b;
    else expected = "x  ";  // a lone lead byte goes, the blanks before it stay
    EXPECT_EQ(TrimBothEnds(Text("x  " + b)).bytes(), expected) << value;
  }
}

TEST(SplitText, LineBreaks) {
  const struct {
    const char* text;
    std::vector<std::string> members;
  } cases[] = {
      {"", {}},
      {"x", {"x"}},
      {"x\r\n", {"x"}},
      {"x\r\ny\r\n", {"x", "y"}},
      {"x\r\n\r\ny", {"x", "", "y"}},
      {"\r\nx", {"", "x"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"x\ny\n", {"x\ny\n"}},
      {"x\ry\r", {"x\ry\r"}},
      {"x\r\r\ny", {"x\r", "y"}},
      {"x\n\r\ny", {"x\n", "y"}},
      {"\xB0\xA1\r\n\xCA\xD7", {"\xB0\xA1", "\xCA\xD7"}},
      // A CR right after a lead byte is that character's second byte.
      {"x\x81\r\ny", {"x\x81\r\ny"}},
      {"\x81\r\n\r\ny", {"\x81\r\n", "y"}},
      {"\x81\r\r\ny", {"\x81\r", "y"}},
      {"\xB0\xA1\x81\r\ny", {"\xB0\xA1\x81\r\ny"}},
      {"\x81\x81\r\ny", {"\x81\x81", "y"}},
      {"\x81\x81\r\n\x81\r\nz", {"\x81\x81", "\x81\r\nz"}},
      // A lone lead byte at the end stays in the last piece.
      {"x\r\n\x81", {"x", "\x81"}},
      {"\x81", {"\x81"}},
  };
  const Text line_break("\r\n");
  for (const auto& c : cases) {
    EXPECT_EQ(Members(SplitText(Text(c.text), line_break)), c.members) << c.text;
  }
}

// Runs longer than the blocks the scan reads at once, starting and ending at
// every place within a block, and line breaks near the text's last bytes.
TEST(SplitText, ParityOfLeadBytesBeforeALineBreak) {
  for (int offset = 0; offset <= 17; ++offset) {
    const std::string before(offset, 'a');
    for (int run = 0; run <= 40; ++run) {
      const std::string piece = before + std::string(run, '\xC8');
      const TextArray pieces = SplitText(Text(piece + "\r\nb"), Text("\r\n"));
      if (run % 2 == 0) {
        EXPECT_EQ(Members(pieces), (std::vector<std::string>{piece, "b"})) << offset << " " << run;
      } else {
        EXPECT_EQ(MemberCount(pieces), 1u) << offset << " " << run;
      }
    }
  }
}

TEST(SplitText, EveryByteBeforeALineBreak) {
  for (int value = 1; value < 256; ++value) {
    const std::string b = Byte(value);
    const TextArray pieces = SplitText(Text("x" + b + "\r\ny"), Text("\r\n"));
    if (value >= 0x80) {
      EXPECT_EQ(MemberCount(pieces), 1u) << value;
    } else {
      EXPECT_EQ(Members(pieces), (std::vector<std::string>{"x" + b, "y"})) << value;
    }
  }
}

TEST(SplitText, OtherDelimiters) {
  const struct {
    const char* text;
    const char* delimiter;
    std::vector<std::string> members;
  } cases[] = {
      {"abc", "", {"abc"}},
      {"", "", {}},
      {"", ",", {}},
      {"a,b,,c,", ",", {"a", "b", "", "c"}},
      {",", ",", {""}},
      {"aaa", "aa", {"", "a"}},
      {"aab", "ab", {"a"}},
      {"ab", "abc", {"ab"}},
      {"\xB0\xA1\xA1", "\xA1", {"\xB0\xA1"}},
      {"\xB0\xA1\xA1x", "\xA1\xA1", {"\xB0\xA1\xA1x"}},  // straddles two characters
      {"\xB0\xA1\xA1\xA1", "\xA1\xA1", {"\xB0\xA1"}},
      {"\xA1\xA1\xA1\xA1", "\xA1\xA1", {"", ""}},
      {"\x81\x81\x81", "\x81", {"", "", ""}},
      {"a\x81", "\x81", {"a"}},  // a one-byte delimiter is tried before the lead-byte rule
      {"\x81\x81\x40", "\x81\x40", {"\x81\x81\x40"}},
      {"\x81\x40\x40", "\x40", {"\x81\x40"}},
      {"\x81\x40\x40z", "\x40", {"\x81\x40", "z"}},
      {"x\xCA\xD7y\xCA\xD7", "\xCA\xD7", {"x", "y"}},
      {"\xCA\xCA\xD7", "\xCA\xD7", {"\xCA\xCA\xD7"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Members(SplitText(Text(c.text), Text(c.delimiter))), c.members)
        << c.text << " by " << c.delimiter;
  }
}

TEST(MemberCount, CountsMembers) {
  EXPECT_EQ(MemberCount(SplitText(Text(), Text("\r\n"))), 0u);
  EXPECT_EQ(MemberCount(SplitText(Text("\r\n\r\n"), Text("\r\n"))), 2u);
  EXPECT_EQ(MemberCount(TextArray{}), 0u);
  EXPECT_EQ(MemberCount(TextArray(3)), 3u);
}

}  // namespace
}  // namespace quorvel
