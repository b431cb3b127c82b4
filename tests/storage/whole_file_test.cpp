#include "storage/whole_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "storage/memory_file_layer.h"

namespace quorvel {
namespace {

using testing::MemoryFileLayer;
using namespace std::string_literals;

const Text kName("D:\\games\\zhanghao.txt");
const std::string kKey(kName.bytes());
const std::string kOldList = "\xC4\xE3\xBA\xC3\r\nold\r\n";  // 你好, old
const ByteSet kNewList("\xC4\xFA\xBA\xC3\r\nnew"s);        // 您好, new

TEST(ToText, KeepsTheBytesBeforeTheFirstZeroByte) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"", ""},
      {"\0"s, ""},
      {"\0ab"s, ""},
      {"a\0b"s, "a"},
      {"\xFF\xFE" "a\0"s, "\xFF\xFE" "a"},  // UTF-16 "a": the mark and the letter
      {"a\nb\r\nc\r", "a\nb\r\nc\r"},
      {"\x81", "\x81"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToText(ByteSet(c.bytes)), Text(c.text));
  }
}

TEST(ToBytes, GivesTheTextsBytesWithoutATerminator) {
  EXPECT_EQ(ToBytes(Text()), ByteSet());
  EXPECT_EQ(ToBytes(Text("a\r\n")), ByteSet("a\r\n"s));
  std::string every_byte;
  for (int value = 1; value < 256; ++value) every_byte += static_cast<char>(value);
  EXPECT_EQ(ToBytes(Text(every_byte)).bytes(), every_byte);
  EXPECT_EQ(ToText(ToBytes(Text(every_byte))), Text(every_byte));
}

TEST(ReadWholeFile, ReadsTheWholeFileWithOneRequest) {
  MemoryFileLayer files;
  files.Store(kKey, "a\0b"s);
  const FileContent content = ReadFileContent(files, kName);
  EXPECT_EQ(content.bytes, ByteSet("a\0b"s));
  EXPECT_EQ(content.extent, ReadExtent::kWhole);
  EXPECT_EQ(std::count(files.calls.begin(), files.calls.end(), "Read " + kKey), 1);
  EXPECT_EQ(files.open_files, 0);
}

TEST(ReadWholeFile, FailuresGiveEmptyBytes) {
  const struct {
    const char* what;
    std::function<void(MemoryFileLayer&)> set_up;
    std::string bytes;
    ReadExtent extent;
  } cases[] = {
      {"missing", [](MemoryFileLayer& f) { f.entries.clear(); }, "", ReadExtent::kMissing},
      {"empty", [](MemoryFileLayer& f) { f.Store(kKey, ""); }, "", ReadExtent::kWhole},
      {"directory", [](MemoryFileLayer& f) { f.entries[kKey].directory = true; }, "",
       ReadExtent::kCut},
      {"held open", [](MemoryFileLayer& f) { f.entries[kKey].held_open = true; }, "",
       ReadExtent::kCut},
      {"open fails", [](MemoryFileLayer& f) { f.fail.open_to_read = true; }, "",
       ReadExtent::kCut},
      {"length unknown", [](MemoryFileLayer& f) { f.fail.length = true; }, "", ReadExtent::kCut},
      {"3 GiB", [](MemoryFileLayer& f) { f.fail.length_reported = 3ull << 30; }, "",
       ReadExtent::kCut},
      {"4 GiB and 3 bytes", [](MemoryFileLayer& f) { f.fail.length_reported = (4ull << 30) + 3; },
       "", ReadExtent::kCut},
      {"read fails", [](MemoryFileLayer& f) { f.fail.read = true; }, "", ReadExtent::kCut},
      {"read short", [](MemoryFileLayer& f) { f.fail.read_delivers = 4; }, kOldList.substr(0, 4),
       ReadExtent::kCut},
      {"close fails", [](MemoryFileLayer& f) { f.fail.close = true; }, kOldList,
       ReadExtent::kWhole},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileLayer files;
    files.Store(kKey, kOldList);
    c.set_up(files);
    const FileContent content = ReadFileContent(files, kName);
    EXPECT_EQ(content.bytes.bytes(), c.bytes);
    EXPECT_EQ(content.extent, c.extent);
    EXPECT_EQ(ReadWholeFile(files, kName).bytes(), c.bytes);
    EXPECT_EQ(files.open_files, 0);
  }
}

TEST(ReadWholeFile, WithoutANameTouchesNoFile) {
  MemoryFileLayer files;
  files.Store("\\zhanghao.txt", kOldList);
  EXPECT_EQ(ReadWholeFile(files, Text()), ByteSet());
  EXPECT_TRUE(files.calls.empty());
}

TEST(WriteWholeFile, ReplacesTheFileInOneStep) {
  MemoryFileLayer files;
  files.Store(kKey, kOldList);
  EXPECT_TRUE(WriteWholeFile(files, kName, kNewList));
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  EXPECT_EQ(files.entries[kKey].bytes, kNewList.bytes());
  EXPECT_EQ(files.calls.back(), "Replace " + kKey + ".tmp " + kKey);
  EXPECT_EQ(files.open_files, 0);
}

TEST(WriteWholeFile, WritesEachNonEmptyPartWithOneRequest) {
  MemoryFileLayer files;
  EXPECT_TRUE(WriteWholeFile(files, kName, ByteSet("ab"s), ByteSet(), ByteSet("\0c"s)));
  EXPECT_EQ(files.entries[kKey].bytes, "ab\0c"s);
  EXPECT_EQ(std::count(files.calls.begin(), files.calls.end(), "Write " + kKey + ".tmp"), 2);
}

TEST(WriteWholeFile, AnEmptyListLeavesAnEmptyFile) {
  MemoryFileLayer files;
  files.Store(kKey, kOldList);
  EXPECT_TRUE(WriteWholeFile(files, kName, ByteSet()));
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  EXPECT_EQ(files.entries[kKey].bytes, "");
}

TEST(WriteWholeFile, WritesInPlaceWhenNothingCanBeMadeBesideTheFile) {
  MemoryFileLayer files;
  files.Store(kKey, kOldList);
  files.fail.create.insert(kKey + ".tmp");
  EXPECT_TRUE(WriteWholeFile(files, kName, kNewList));
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  EXPECT_EQ(files.entries[kKey].bytes, kNewList.bytes());
}

// Every failure keeps the stored list whole and leaves nothing beside it.
TEST(WriteWholeFile, FailuresKeepTheStoredList) {
  const struct {
    const char* what;
    std::function<void(MemoryFileLayer&)> set_up;
  } cases[] = {
      {"nothing can be created",
       [](MemoryFileLayer& f) { f.fail.create = {kKey, kKey + ".tmp"}; }},
      {"write fails halfway", [](MemoryFileLayer& f) { f.fail.write_stores = 5; }},
      {"close fails", [](MemoryFileLayer& f) { f.fail.close = true; }},
      {"replace fails", [](MemoryFileLayer& f) { f.fail.replace = true; }},
      {"read-only", [](MemoryFileLayer& f) { f.entries[kKey].read_only = true; }},
      {"read-only where the platform ignores it",
       [](MemoryFileLayer& f) {
         f.entries[kKey].read_only = true;
         f.fail.ignores_read_only = true;
       }},
      {"held open by another program",
       [](MemoryFileLayer& f) { f.entries[kKey].held_open = true; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryFileLayer files;
    files.Store(kKey, kOldList);
    c.set_up(files);
    EXPECT_FALSE(WriteWholeFile(files, kName, kNewList));
    EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
    EXPECT_EQ(files.entries[kKey].bytes, kOldList);
    EXPECT_EQ(files.open_files, 0);
  }
}

TEST(WriteWholeFile, LeavesADirectoryOfThatNameAlone) {
  MemoryFileLayer files;
  files.entries[kKey].directory = true;
  EXPECT_FALSE(WriteWholeFile(files, kName, kNewList));
  EXPECT_EQ(files.Names(), std::vector<std::string>{kKey});
  EXPECT_TRUE(files.entries[kKey].directory);
}

TEST(WriteWholeFile, WithoutANameTouchesNoFile) {
  MemoryFileLayer files;
  EXPECT_FALSE(WriteWholeFile(files, Text(), kNewList));
  EXPECT_TRUE(files.calls.empty());
}

}  // namespace
}  // namespace quorvel
