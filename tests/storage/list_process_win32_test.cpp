// The list file as the running program sees it: found beside the executable,
// and never left cut short by a process killed while it saves.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>

#include "storage/real_files_win32.h"
#include "storage/gbk_lists.h"
#include "storage/temp_directory_win32.h"

namespace quorvel {
namespace {

using testing::FileBytes;
using testing::PutFile;
using testing::TempDirectory;

constexpr DWORD kProcessBoundMs = 30'000;
constexpr UINT kKilledExitCode = 99;

std::string OwnDirectory() {
  std::array<char, MAX_PATH> path{};
  const DWORD length = GetModuleFileNameA(nullptr, path.data(), path.size());
  std::string directory(path.data(), length);
  return directory.substr(0, directory.rfind('\\'));
}

// The helper copied into `directory`, so that its list file lies there.
std::string PlaceSaver(const std::string& directory) {
  const std::string copy = directory + "\\list_saver.exe";
  CopyFileA((OwnDirectory() + "\\list_saver.exe").c_str(), copy.c_str(), FALSE);
  return copy;
}

class Process {
 public:
  Process(const std::string& program, const std::string& argument) {
    std::string command_line = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &info_);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    if (!started_) return;
    TerminateProcess(info_.hProcess, kKilledExitCode);
    WaitForSingleObject(info_.hProcess, kProcessBoundMs);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }

  explicit operator bool() const { return started_; }

  bool IsRunning() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

  // The exit code, or nullopt when the process did not end within the bound.
  std::optional<DWORD> Wait() const {
    if (WaitForSingleObject(info_.hProcess, kProcessBoundMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

  void Kill() const { TerminateProcess(info_.hProcess, kKilledExitCode); }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// Polls `done` every 5 ms, up to the bound.
template <typename Condition>
bool WaitFor(Condition done) {
  for (DWORD waited = 0; waited < kProcessBoundMs; waited += 5) {
    if (done()) return true;
    Sleep(5);
  }
  return done();
}

bool IsOneOfTheSavedLists(const std::optional<std::string>& bytes) {
  if (!bytes) return false;
  for (int which = 0; which < testing::kSavedListCount; ++which) {
    if (*bytes == testing::SavedList(which)) return true;
  }
  return false;
}

TEST(KilledWhileSaving, TheFileHoldsOneWholeList) {
  constexpr int kKills = 30;
  TempDirectory dir;
  const std::string saver = PlaceSaver(dir.path());
  const std::string list = dir.path() + "\\zhanghao.txt";
  std::mt19937 random(20261211);
  std::uniform_int_distribution<DWORD> delay_ms(0, 150);
  int killed_mid_save = 0;

  for (int kill = 0; kill < kKills; ++kill) {
    SCOPED_TRACE(kill);
    DeleteFileA(list.c_str());
    Process process(saver, "save-loop");
    ASSERT_TRUE(process);
    ASSERT_TRUE(WaitFor([&] { return testing::Exists(list); }));
    Sleep(delay_ms(random));
    ASSERT_TRUE(process.IsRunning());
    process.Kill();
    ASSERT_EQ(process.Wait(), kKilledExitCode);

    if (testing::Exists(list + ".tmp")) ++killed_mid_save;
    EXPECT_TRUE(IsOneOfTheSavedLists(FileBytes(list)));
  }
  RecordProperty("killed_mid_save", killed_mid_save);
  std::printf("killed in the middle of a save %d times out of %d\n", killed_mid_save, kKills);

  // A file left beside the list by a killed save goes with the next save.
  Process next(saver, "start-edit");
  ASSERT_TRUE(next);
  EXPECT_EQ(next.Wait(), 0u);
  EXPECT_EQ(testing::NamesIn(dir.path()),
            (std::vector<std::string>{"list_saver.exe", "zhanghao.txt"}));
}

// 乗 is 0x81 0x5C.
TEST(ListBesideTheExecutable, InAFolderNamedWithATrailByteBackslash) {
  TempDirectory dir;
  const std::string folder = dir.path() + "\\\x81\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  PutFile(folder + "\\zhanghao.txt", "\xB8\xE8");  // 歌
  Process process(PlaceSaver(folder), "start-edit");
  ASSERT_TRUE(process);
  EXPECT_EQ(process.Wait(), 0u);
  EXPECT_EQ(FileBytes(folder + "\\zhanghao.txt"), "\xB8\xE8!");
  EXPECT_EQ(testing::NamesIn(dir.path()), std::vector<std::string>{"\x81\\"});
}

TEST(ListBesideTheExecutable, AMissingListIsCreatedEmpty) {
  TempDirectory dir;
  Process process(PlaceSaver(dir.path()), "start-edit");
  ASSERT_TRUE(process);
  EXPECT_EQ(process.Wait(), 0u);
  EXPECT_EQ(FileBytes(dir.path() + "\\zhanghao.txt"), "!");
}

}  // namespace
}  // namespace quorvel
