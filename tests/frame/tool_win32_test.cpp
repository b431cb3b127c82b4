// The tool's start-up, events and shutdown on the real window, in-process.
#include "frame/tool_win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "frame/recording_files_win32.h"
#include "storage/real_files_win32.h"
#include "storage/temp_directory_win32.h"
#include "window/window_win32.h"

namespace quorvel {
namespace {

// What the list box and the list file held at the moment the main window
// was first shown.
struct AtFirstShow {
  std::optional<std::string> list_file;
  std::string list_box;
};

class ToolTest : public ::testing::Test {
 protected:
  // A quit request that an earlier test's window left behind would end this
  // test's message loop at once.
  void SetUp() override {
    MSG left_behind;
    while (PeekMessageA(&left_behind, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  std::string ListPath() const { return directory_.path() + "\\zhanghao.txt"; }

  // Loads the tool, noting what the window showed and the file held when
  // the window was first shown.
  void Load() {
    watched_ = this;
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchShow, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(tool_.Load());
    UnhookWindowsHookEx(hook);
    watched_ = nullptr;
    ASSERT_TRUE(at_first_show_.has_value()) << "the window was never shown";
  }

  static LRESULT CALLBACK WatchShow(int code, WPARAM wparam, LPARAM lparam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (watched_ && message->message == WM_SHOWWINDOW && message->wParam &&
        message->hwnd == watched_->tool_.window() && !watched_->at_first_show_) {
      watched_->at_first_show_ = AtFirstShow{
          testing::FileBytes(watched_->ListPath()),
          std::string(watched_->tool_.boxes().GetControlText(编辑框2).bytes())};
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }

  HWND Control(ControlName name) const { return FindControl(tool_.window(), name); }

  // Posts the close request and runs the loop to its end, as a user's click
  // on the close box would.
  int CloseAndRun() {
    PostMessageA(tool_.window(), WM_CLOSE, 0, 0);
    return tool_.RunMessageLoop();
  }

  static inline ToolTest* watched_ = nullptr;
  testing::TempDirectory directory_;
  testing::RecordingFiles files_;
  Tool tool_{ListFile(Text(directory_.path()), files_)};
  std::optional<AtFirstShow> at_first_show_;
};

TEST_F(ToolTest, WithoutListFileShowsAnEmptyBoxAndAnEmptyFileExistsBeforeShowing) {
  Load();
  EXPECT_EQ(at_first_show_->list_file, std::optional<std::string>(""));
  EXPECT_EQ(at_first_show_->list_box, "");
  EXPECT_EQ(files_.written, std::deque<std::string>{""});
}

TEST_F(ToolTest, LoadedListIsShownAndSavedOnceButTheDesignTextNeverIs) {
  const std::string list = "\xCA\xD7\xD7\xD6 one\r\n\xB2\xE9\xD1\xAF two\r\n";  // 首字, 查询
  testing::PutFile(ListPath(), list);
  Load();
  EXPECT_EQ(at_first_show_->list_file, std::optional<std::string>(list));
  EXPECT_EQ(at_first_show_->list_box, list);
  EXPECT_EQ(files_.written, std::deque<std::string>{list});
  EXPECT_TRUE(IsWindowVisible(tool_.window()));
  EXPECT_EQ(GetFocus(), Control(按钮1));
}

TEST_F(ToolTest, OnlyListBoxWritesAndEditsSaveOncePerChange) {
  Load();
  files_.written.clear();
  TextProperty& boxes = tool_.boxes();

  boxes.SetControlText(编辑框1, Text("ab"));
  boxes.SetControlText(编辑框3, Text("result"));
  EXPECT_TRUE(files_.written.empty());

  boxes.SetControlText(编辑框2, Text("ab one"));
  boxes.SetControlText(编辑框2, Text("ab one"));  // unchanged, saved all the same
  SendMessageA(Control(编辑框2), WM_CHAR, 'x', 1);  // typed at the caret, the start
  EXPECT_EQ(files_.written, (std::deque<std::string>{"ab one", "ab one", "xab one"}));
  EXPECT_EQ(testing::FileBytes(ListPath()), std::optional<std::string>("xab one"));
}

TEST_F(ToolTest, ButtonClickPutsTheMatchWithoutSaving) {
  testing::PutFile(ListPath(), "ab one\r\ncd two\r\nab three");
  Load();
  files_.written.clear();
  tool_.boxes().SetControlText(编辑框1, Text(" ab "));
  SendMessageA(Control(按钮1), BM_CLICK, 0, 0);
  EXPECT_EQ(tool_.boxes().GetControlText(编辑框3), Text("ab three"));
  EXPECT_TRUE(files_.written.empty());
}

TEST_F(ToolTest, ClosingEndsTheLoopWithCodeZeroAndWritesNothing) {
  testing::PutFile(ListPath(), "ab one");
  Load();
  files_.written.clear();
  EXPECT_EQ(CloseAndRun(), 0);
  EXPECT_FALSE(IsWindow(tool_.window()));
  tool_.ShutDown();
  EXPECT_TRUE(files_.written.empty());
  EXPECT_EQ(testing::FileBytes(ListPath()), std::optional<std::string>("ab one"));
}

TEST_F(ToolTest, AgreesToEndTheSessionWithoutWriting) {
  Load();
  files_.written.clear();
  EXPECT_TRUE(SendMessageA(tool_.window(), WM_QUERYENDSESSION, 0, 0));
  SendMessageA(tool_.window(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(files_.written.empty());
}

TEST_F(ToolTest, ShutDownDestroysTheWindowWithoutAnyHandlerRunning) {
  Load();
  files_.written.clear();
  const HWND window = tool_.window();
  tool_.ShutDown();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(files_.written.empty());
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

}  // namespace
}  // namespace quorvel
