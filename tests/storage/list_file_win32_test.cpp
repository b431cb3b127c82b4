// The list file on real files, through KERNEL32 under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "storage/file_layer_win32.h"
#include "storage/gbk_lists.h"
#include "storage/list_file.h"
#include "storage/real_files_win32.h"
#include "storage/run_directory.h"
#include "storage/temp_directory_win32.h"
#include "support/memory_text_property.h"

namespace quorvel {
namespace {

using testing::FileBytes;
using testing::FileSize;
using testing::GbkList;
using testing::MemoryTextProperty;
using testing::NamesIn;
using testing::PutFile;
using testing::TempDirectory;
using namespace std::string_literals;

const std::vector<std::string> kOnlyTheList = {"zhanghao.txt"};

class RealListFileTest : public ::testing::Test {
 protected:
  RealListFileTest() : list(Text(dir.path()), Win32Files()) {
    boxes.on_text_changed = [this](ControlName) { OnListTextChanged(boxes, list); };
  }

  std::string ListPath() const { return dir.path() + "\\zhanghao.txt"; }
  std::string BoxText() { return std::string(boxes.GetControlText(编辑框2).bytes()); }

  TempDirectory dir;
  MemoryTextProperty boxes;
  ListFile list;
};

TEST_F(RealListFileTest, StartUpLoadsTheFileAndWritesBackOnlyWhatTheBoxShows) {
  const struct {
    const char* what;
    std::optional<std::string> file;  // nullopt: no file
    std::string box;
    std::string file_after;
  } cases[] = {
      {"missing", std::nullopt, "", ""},
      {"empty", "", "", ""},
      {"GBK with CR LF", GbkList(200), GbkList(200), GbkList(200)},
      {"LF only", "\xB8\xE8\n\xB4\xCA\n", "\xB8\xE8\n\xB4\xCA\n", "\xB8\xE8\n\xB4\xCA\n"},
      {"a zero byte", "a\0b"s, "a", "a\0b"s},
      {"UTF-16", "\xFF\xFE" "a\0"s, "\xFF\xFE" "a", "\xFF\xFE" "a\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileA(ListPath().c_str());
    if (c.file) PutFile(ListPath(), *c.file);

    OnWindowCreated(boxes, list);
    EXPECT_EQ(BoxText(), c.box);
    EXPECT_EQ(FileBytes(ListPath()), c.file_after);
    EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
  }
}

TEST_F(RealListFileTest, AReadOnlyListKeepsItsContent) {
  PutFile(ListPath(), "kept");
  SetFileAttributesA(ListPath().c_str(), FILE_ATTRIBUTE_READONLY);
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text("typed"));

  EXPECT_EQ(BoxText(), "typed");
  EXPECT_EQ(FileBytes(ListPath()), "kept");
  EXPECT_TRUE(GetFileAttributesA(ListPath().c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
}

TEST_F(RealListFileTest, AListHeldOpenByAnotherProgramKeepsItsContent) {
  PutFile(ListPath(), "kept");
  const HANDLE held = CreateFileA(ListPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  OnWindowCreated(boxes, list);
  EXPECT_EQ(BoxText(), "");
  boxes.SetControlText(编辑框2, Text("typed"));
  CloseHandle(held);

  EXPECT_EQ(FileBytes(ListPath()), "kept");
  EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
}

TEST_F(RealListFileTest, ADirectoryOfThatNameIsLeftAlone) {
  ASSERT_TRUE(CreateDirectoryA(ListPath().c_str(), nullptr));
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text("typed"));

  EXPECT_EQ(BoxText(), "typed");
  EXPECT_TRUE(GetFileAttributesA(ListPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
}

// Sparse files: one too long for a signed 32-bit count, and one that fits
// the count but not the memory of a 32-bit process.
TEST_F(RealListFileTest, AFileTooLargeToReadLoadsNothingAndIsKept) {
  for (const std::uint64_t size : {3ull << 30, 0x7FFFFFFFull}) {
    SCOPED_TRACE(size);
    const HANDLE file = CreateFileA(ListPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    LONG high = static_cast<LONG>(size >> 32);
    SetFilePointer(file, static_cast<LONG>(size & 0xFFFFFFFF), &high, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_EQ(FileSize(ListPath()), size);

    OnWindowCreated(boxes, list);
    EXPECT_EQ(BoxText(), "");
    EXPECT_EQ(FileSize(ListPath()), size);
    EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
  }
}

TEST_F(RealListFileTest, A20MBListMakesTheRoundTrip) {
  const std::string big = GbkList(20'000'000);
  PutFile(ListPath(), big);
  OnWindowCreated(boxes, list);
  EXPECT_TRUE(BoxText() == big);

  const std::string longer = big + "\xB8\xE8";
  boxes.SetControlText(编辑框2, Text(longer));
  EXPECT_TRUE(FileBytes(ListPath()) == longer);
  EXPECT_EQ(NamesIn(dir.path()), kOnlyTheList);
}

TEST_F(RealListFileTest, EmptyingTheBoxLeavesAnEmptyFile) {
  PutFile(ListPath(), GbkList(100));
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text());
  EXPECT_EQ(FileBytes(ListPath()), "");
}

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

// 乗 is 0x81 0x5C.
TEST(RealRunDirectory, AFolderNamedWithATrailByteBackslash) {
  TempDirectory dir;
  const std::string folder = dir.path() + "\\\x81\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const Text run_directory = RunDirectory(folder + "\\tool.exe", IsAnsiLeadByte);
  EXPECT_EQ(run_directory.bytes(), folder);
  EXPECT_EQ(RunDirectory("C:\\tool.exe", IsAnsiLeadByte).bytes(), "C:");

  PutFile(folder + "\\zhanghao.txt", "\xB8\xE8");
  MemoryTextProperty boxes;
  ListFile list(run_directory, Win32Files());
  boxes.on_text_changed = [&](ControlName) { OnListTextChanged(boxes, list); };
  OnWindowCreated(boxes, list);
  boxes.SetControlText(编辑框2, Text("\xB8\xE8\xB4\xCA"));

  EXPECT_EQ(FileBytes(folder + "\\zhanghao.txt"), "\xB8\xE8\xB4\xCA");
  EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"\x81\\"});
}

}  // namespace
}  // namespace quorvel
