#include "lookup/lookup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "lookup/literal_lookup.h"
#include "support/memory_text_property.h"

namespace quorvel {
namespace {

using testing::MemoryTextProperty;

// GBK bytes used below: \xCA\xD7 首   \xD7\xD6 字   \xCF\xC8 先   \xCE\xB2 尾
// \xA1\xA1 full-width space

constexpr const char* kBefore = "before";

MemoryTextProperty Boxes(const std::string& list, const std::string& query) {
  MemoryTextProperty boxes;
  boxes.texts[std::string(编辑框1)] = Text(query);
  boxes.texts[std::string(编辑框2)] = Text(list);
  boxes.texts[std::string(编辑框3)] = Text(kBefore);
  return boxes;
}

std::string Result(MemoryTextProperty& boxes) {
  return std::string(boxes.texts[std::string(编辑框3)].bytes());
}

TEST(CountLines, CountsPiecesBetweenLineBreaks) {
  const struct {
    const char* list;
    std::size_t count;
  } cases[] = {
      {"", 0},        {"x", 1},         {"x\r\n", 1},        {"x\r\ny", 2},
      {"\r\n", 1},    {"\r\n\r\n", 2},  {"x\ny\nz", 1},      {"x\x81\r\ny", 1},
      {"\r\nx", 2},   {"x\r\n\r\ny", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(CountLines(Text(c.list)), c.count) << c.list;
}

TEST(GetLine, NumbersFromOne) {
  const Text list("x\r\n\r\ny\r\n");
  const struct {
    std::int64_t number;
    const char* line;
  } cases[] = {{1, "x"}, {2, ""}, {3, "y"}, {4, ""}, {0, ""}, {-1, ""}, {INT64_MIN, ""},
               {INT64_MAX, ""}};
  for (const auto& c : cases) EXPECT_EQ(GetLine(list, c.number).bytes(), c.line) << c.number;
  EXPECT_EQ(GetLine(Text(), 1), Text());
}

TEST(OnQueryClicked, FindsTheLastLineWithTheQueriedKey) {
  const struct {
    const char* list;
    const char* query;
    const char* result;  // kBefore when no line matches
  } cases[] = {
      {"", "\xCA\xD7", kBefore},
      {"\xCA\xD7\xCF\xC8\r\n\xD7\xD6\r\n\xCA\xD7\xCE\xB2\r\nx", "\xCA\xD7", "\xCA\xD7\xCE\xB2"},
      {"\xCA\xD7\r\n\xD7\xD6", "\xCA\xD7", "\xCA\xD7"},  // the character alone
      {"\xD7\xD6\r\n\xCA\xD7\xCF\xC8\r\n\xCA\xD7\xCE\xB2\r\n", "\xCA\xD7", "\xCA\xD7\xCE\xB2"},
      // One letter matches only a line of that letter alone.
      {"a\r\nab\r\nb", "a", "a"},
      {"ab\r\nac", "a", kBefore},
      {"abc\r\nabd\r\nx", "ab", "abd"},
      // A query longer than two bytes never matches.
      {"\xCA\xD7\xD7\xD6", "\xCA\xD7\xD7\xD6", kBefore},
      {"abc", "abc", kBefore},
      // An empty or blank query matches exactly the empty lines.
      {"x\r\n\r\ny", "", ""},
      {"\r\nx", "", ""},
      {"x\r\ny\r\n", "", kBefore},
      {"x\r\n\r\ny", " \xA1\xA1 ", ""},
      {"x\r\ny", "  ", kBefore},
      {"\r\n", "x", kBefore},
      // Blanks around the query are trimmed; a tab is not.
      {"\xCA\xD7\xCF\xC8", " \xCA\xD7\xA1\xA1 ", "\xCA\xD7\xCF\xC8"},
      {"\xCA\xD7\xCF\xC8", "\t\xCA\xD7", kBefore},
      {"\tab\r\nab", "\ta ", "\tab"},
      // Lines are never trimmed, so a line that begins with a space matches
      // no query.
      {" \xCA\xD7x", "\xCA\xD7", kBefore},
      {" a", " a", kBefore},
      // A letter then a character: the key ends with a lone lead byte, which
      // no trimmed query does.
      {"a\xCA\xD7", "a\xCA", kBefore},
      {"a\r\na\xCA\xD7", "a\xCA", "a"},
      // Lines broken by LF alone are one line.
      {"\xCA\xD7\n\xD7\xD6\n", "\xCA\xD7", "\xCA\xD7\n\xD7\xD6\n"},
      {"x\n\xCA\xD7", "\xCA\xD7", kBefore},
      // A CR right after a lead byte breaks no line.
      {"x\r\n\x81\r\n\xCA\xD7", "\xCA\xD7", kBefore},
      {"x\r\n\x81\r\n\xCA\xD7", "\x81\r", "\x81\r\n\xCA\xD7"},
  };
  for (const auto& c : cases) {
    MemoryTextProperty boxes = Boxes(c.list, c.query);
    OnQueryClicked(boxes);
    EXPECT_EQ(Result(boxes), c.result) << "list " << c.list << " query " << c.query;
  }
}

TEST(OnQueryClicked, ReadsEachBoxOnceAndWritesOnlyAMatch) {
  MemoryTextProperty boxes = Boxes("ab\r\nac\r\nab\r\nad", "ab");
  OnQueryClicked(boxes);
  EXPECT_EQ(boxes.reads[std::string(编辑框1)], 1);
  EXPECT_EQ(boxes.reads[std::string(编辑框2)], 1);
  EXPECT_EQ(boxes.reads[std::string(编辑框3)], 0);
  EXPECT_EQ(boxes.writes, std::vector<std::string>{std::string(编辑框3)});

  MemoryTextProperty no_match = Boxes("ab\r\nac", "x");
  OnQueryClicked(no_match);
  EXPECT_TRUE(no_match.writes.empty());
}

TEST(OnQueryClicked, TwiceGivesTheSameResult) {
  MemoryTextProperty boxes = Boxes("ab\r\nab1\r\nac", "ab");
  OnQueryClicked(boxes);
  const std::string first = Result(boxes);
  OnQueryClicked(boxes);
  EXPECT_EQ(Result(boxes), first);
  EXPECT_EQ(first, "ab1");
}

// Lists and queries made of the pieces that the byte rules care about.
class ListMaker {
 public:
  explicit ListMaker(unsigned seed) : random_(seed) {}

  std::string List() {
    std::string list;
    const int tokens = Below(40);
    for (int i = 0; i < tokens; ++i) list += Token();
    return list;
  }

  // Often the key of some line of the list, with blanks around it.
  std::string Query(const std::string& list) {
    switch (Below(6)) {
      case 0: return "";
      case 1: return Blanks();
      case 2: return Blanks() + Token() + Blanks();
      default: {
        const std::size_t count = CountLines(Text(list));
        const Text line = GetLine(Text(list), 1 + Below(static_cast<int>(count) + 1));
        return Blanks() + std::string(TextLeft(line, 1 + Below(3)).bytes()) + Blanks();
      }
    }
  }

 private:
  int Below(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
  char AnyHighByte() { return static_cast<char>(0x80 + Below(0x80)); }

  std::string Blanks() {
    static const char* const kBlanks[] = {"", "", " ", "\xA1\xA1", "  \xA1\xA1", "\t"};
    return kBlanks[Below(6)];
  }

  std::string Token() {
    static const char* const kFixed[] = {
        "\r\n", "\r\n", "\r\n\r\n", "\r", "\n", " ", "\xA1\xA1", "\xA1", "a", "b", "ab",
        "\xCA\xD7", "\xCA", "\x81\r", "\t",
    };
    constexpr int kFixedCount = sizeof kFixed / sizeof kFixed[0];
    const int pick = Below(kFixedCount + 2);
    if (pick == kFixedCount) return std::string(1, AnyHighByte());
    if (pick == kFixedCount + 1) return std::string{AnyHighByte(), AnyHighByte()};
    return kFixed[pick];
  }

  std::mt19937 random_;
};

TEST(OnQueryClicked, GivesTheResultOfTheLoopOverEveryLine) {
  ListMaker maker(20240611);
  int matched = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string list = maker.List();
    const std::string query = maker.Query(list);

    MemoryTextProperty literal = Boxes(list, query);
    testing::LiteralQueryClicked(literal);
    MemoryTextProperty fast = Boxes(list, query);
    OnQueryClicked(fast);

    ASSERT_EQ(Result(fast), Result(literal)) << "list " << list << " query " << query;
    ASSERT_EQ(fast.writes.size(), literal.writes.empty() ? 0u : 1u) << list << " / " << query;
    matched += !literal.writes.empty();
  }
  // The maker must produce matches often enough for the comparison to mean something.
  EXPECT_GT(matched, 5000);
}

TEST(GetLine, AgreesWithSplitText) {
  ListMaker maker(7);
  for (int round = 0; round < 5000; ++round) {
    const Text list(maker.List());
    const TextArray lines = SplitText(list, Text(std::string(kLineBreak)));
    ASSERT_EQ(CountLines(list), MemberCount(lines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(GetLine(list, static_cast<std::int64_t>(i + 1)), lines[i]);
    }
  }
}

}  // namespace
}  // namespace quorvel
