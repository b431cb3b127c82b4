#include "storage/list_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "storage/memory_file_layer.h"
#include "support/memory_text_property.h"

namespace quorvel {
namespace {

using testing::MemoryFileLayer;
using testing::MemoryTextProperty;
using namespace std::string_literals;

const std::string kKey = "D:\\games\\zhanghao.txt";
const std::string kTemporary = kKey + ".tmp";

// Gives back a lone lead byte at the end of the text as "?", the way an edit
// control in code page 936 does.
class EditLikeTextProperty : public MemoryTextProperty {
 public:
  void SetControlText(ControlName control, const Text& text) override {
    std::string shown(text.bytes());
    for (std::size_t pos = 0; pos < shown.size(); ++pos) {
      const unsigned char byte = static_cast<unsigned char>(shown[pos]);
      if (byte < 0x81 || byte > 0xFE) continue;
      if (pos + 1 == shown.size()) shown[pos] = '?';
      ++pos;
    }
    MemoryTextProperty::SetControlText(control, Text(shown));
  }
};

// The boxes and the files as the frame binds them: a write of 编辑框2's text
// raises its text-changed event inside the write.
class ListFileTest : public ::testing::Test {
 protected:
  ListFileTest() : ListFileTest(Text("D:\\games")) {}
  explicit ListFileTest(Text run_directory) : list(std::move(run_directory), files) {
    boxes.on_text_changed = [this](ControlName control) {
      if (control != 编辑框2) return;
      files.calls.push_back("text changed");
      OnListTextChanged(boxes, list);
    };
  }

  std::string BoxText() { return std::string(boxes.texts[std::string(编辑框2)].bytes()); }

  bool Wrote() const {
    for (const std::string& call : files.calls) {
      if (call.starts_with("CreateToWrite") || call.starts_with("Replace")) return true;
    }
    return false;
  }

  MemoryFileLayer files;
  EditLikeTextProperty boxes;
  ListFile list;
};

TEST_F(ListFileTest, LoadsThenSavesInsideTheWrite) {
  files.Store(kKey, "\xC4\xE3\xBA\xC3\r\nab");  // 你好
  OnWindowCreated(boxes, list);

  EXPECT_EQ(BoxText(), "\xC4\xE3\xBA\xC3\r\nab");
  EXPECT_EQ(boxes.writes, std::vector<std::string>{std::string(编辑框2)});
  const std::vector<std::string> expected = {
      "OpenToRead " + kKey,
      "Read " + kKey,
      "Close " + kKey,
      "text changed",
      "Examine " + kKey,
      "CreateToWrite " + kTemporary,
      "Write " + kTemporary,
      "Close " + kTemporary,
      "Replace " + kTemporary + " " + kKey,
  };
  EXPECT_EQ(files.calls, expected);
  EXPECT_EQ(files.entries[kKey].bytes, "\xC4\xE3\xBA\xC3\r\nab");
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  EXPECT_EQ(files.open_files, 0);
}

// The save nested in the load writes only over a missing file or over one
// that the box shows whole; any other file keeps its bytes until an edit.
TEST_F(ListFileTest, StartUpChangesNoFileTheBoxCouldNotShowWhole) {
  const struct {
    const char* what;
    std::function<void(MemoryFileLayer&)> set_up;
    std::string box;
    std::string file_after;  // "" with `created` when the file is made
    bool saved;
  } cases[] = {
      {"missing", [](MemoryFileLayer& f) { f.entries.clear(); }, "", "", true},
      {"empty", [](MemoryFileLayer& f) { f.Store(kKey, ""); }, "", "", true},
      {"CR LF lines", [](MemoryFileLayer& f) { f.Store(kKey, "a\r\nb\r\n"); }, "a\r\nb\r\n",
       "a\r\nb\r\n", true},
      {"LF lines", [](MemoryFileLayer& f) { f.Store(kKey, "a\nb"); }, "a\nb", "a\nb", true},
      {"a zero byte", [](MemoryFileLayer& f) { f.Store(kKey, "a\0b"s); }, "a", "a\0b"s, false},
      {"UTF-16", [](MemoryFileLayer& f) { f.Store(kKey, "\xFF\xFE" "a\0"s); }, "\xFF\xFE" "a",
       "\xFF\xFE" "a\0"s, false},
      {"a lone lead byte", [](MemoryFileLayer& f) { f.Store(kKey, "ab\xCA"); }, "ab?", "ab\xCA",
       false},
      {"read short",
       [](MemoryFileLayer& f) {
         f.Store(kKey, "abcdef");
         f.fail.read_delivers = 3;
       },
       "abc", "abcdef", false},
      {"3 GiB",
       [](MemoryFileLayer& f) {
         f.Store(kKey, "abcdef");
         f.fail.length_reported = 3ull << 30;
       },
       "", "abcdef", false},
      {"can't be opened",
       [](MemoryFileLayer& f) {
         f.Store(kKey, "abcdef");
         f.fail.open_to_read = true;
       },
       "", "abcdef", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    files = MemoryFileLayer();
    boxes.texts[std::string(编辑框2)] = Text("design-time text");
    c.set_up(files);

    OnWindowCreated(boxes, list);
    EXPECT_EQ(BoxText(), c.box);
    EXPECT_EQ(files.entries[kKey].bytes, c.file_after);
    EXPECT_EQ(Wrote(), c.saved);
    EXPECT_EQ(files.open_files, 0);

    // The next change is saved: the skip lasts only for the load.
    files.fail = {};
    boxes.SetControlText(编辑框2, Text("x"));
    EXPECT_EQ(files.entries[kKey].bytes, "x");
    EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  }
}

TEST_F(ListFileTest, SavesTheWholeTextAfterEveryChange) {
  files.Store(kKey, "old");
  const char* const texts[] = {"a", "a\r\n", "a\r\nb", "", "\xC4\xE3\r\n\xBA\xC3"};
  for (const char* text : texts) {
    boxes.SetControlText(编辑框2, Text(text));
    EXPECT_EQ(files.entries[kKey].bytes, text);
    EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  }
}

TEST_F(ListFileTest, KeepsNothingBetweenEvents) {
  files.Store(kKey, "from the file");
  OnWindowCreated(boxes, list);
  files.Store(kKey, "changed by another program");
  boxes.SetControlText(编辑框2, Text("typed"));
  EXPECT_EQ(files.entries[kKey].bytes, "typed");
  EXPECT_EQ(std::count(files.calls.begin(), files.calls.end(), "OpenToRead " + kKey), 1);
  EXPECT_EQ(files.open_files, 0);
}

TEST_F(ListFileTest, AReadOnlyListKeepsItsContent) {
  files.Store(kKey, "kept");
  files.entries[kKey].read_only = true;
  files.fail.ignores_read_only = true;
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text("typed"));
  EXPECT_EQ(BoxText(), "typed");
  EXPECT_EQ(files.entries[kKey].bytes, "kept");
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
}

TEST(ListFileName, IsTheRunDirectoryFollowedByTheFileName) {
  EXPECT_EQ(ListFileName(Text("D:\\games")), Text("D:\\games\\zhanghao.txt"));
  EXPECT_EQ(ListFileName(Text("C:")), Text("C:\\zhanghao.txt"));
  // D:\乗
  EXPECT_EQ(ListFileName(Text("D:\\\x81\\")), Text("D:\\\x81\\\\zhanghao.txt"));
  EXPECT_EQ(ListFileName(Text()), Text());
}

class UnknownRunDirectoryTest : public ListFileTest {
 protected:
  UnknownRunDirectoryTest() : ListFileTest(Text()) {}
};

TEST_F(UnknownRunDirectoryTest, TouchesNoFile) {
  files.Store("\\zhanghao.txt", "at the drive root");
  boxes.texts[std::string(编辑框2)] = Text("design-time text");
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text("typed"));

  EXPECT_EQ(boxes.writes.size(), 2u);
  EXPECT_EQ(files.calls, (std::vector<std::string>{"text changed", "text changed"}));
  EXPECT_EQ(files.entries["\\zhanghao.txt"].bytes, "at the drive root");
}

}  // namespace
}  // namespace quorvel
