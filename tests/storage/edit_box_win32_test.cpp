// Start-up over a real edit control: bytes that the box can't show as they
// are must not be written back into the list file.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "storage/file_layer_win32.h"
#include "storage/list_file.h"
#include "storage/real_files_win32.h"
#include "storage/temp_directory_win32.h"

namespace quorvel {
namespace {

using testing::FileBytes;
using testing::PutFile;
using testing::TempDirectory;

// 编辑框2 as a hidden multi-line edit control; a write raises the
// text-changed event inside it, as the frame does.
class EditBoxTextProperty : public TextProperty {
 public:
  EditBoxTextProperty()
      : box_(CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 200,
                             100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {
    SendMessageA(box_, EM_LIMITTEXT, 0, 0);
  }
  EditBoxTextProperty(const EditBoxTextProperty&) = delete;
  EditBoxTextProperty& operator=(const EditBoxTextProperty&) = delete;
  ~EditBoxTextProperty() override { DestroyWindow(box_); }

  explicit operator bool() const { return box_ != nullptr; }

  Text GetControlText(ControlName) override {
    std::string text(GetWindowTextLengthA(box_) + 1, '\0');
    text.resize(GetWindowTextA(box_, text.data(), text.size()));
    return Text(std::move(text));
  }

  void SetControlText(ControlName, const Text& text) override {
    SetWindowTextA(box_, text.c_str());
    if (on_text_changed) on_text_changed();
  }

  std::function<void()> on_text_changed;

 private:
  HWND box_;
};

TEST(EditBoxStartUp, WritesBackOnlyBytesTheBoxGivesBackUnchanged) {
  const struct {
    const char* what;
    std::string file;
    std::string box;
  } cases[] = {
      // 歌词 (lyric), and 0x80 and 0xFF, which the code page maps one to one
      {"GBK lines", "\xB8\xE8\xB4\xCA\r\n\x80\xFF\r\nab", "\xB8\xE8\xB4\xCA\r\n\x80\xFF\r\nab"},
      {"a lone lead byte at the end", "ab\xCA", "ab?"},
      {"a lead byte with no valid second byte", "\xCA\x20" "ab", "?ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDirectory dir;
    const std::string path = dir.path() + "\\zhanghao.txt";
    PutFile(path, c.file);
    EditBoxTextProperty boxes;
    ASSERT_TRUE(boxes);
    ListFile list(Text(dir.path()), Win32Files());
    boxes.on_text_changed = [&] { OnListTextChanged(boxes, list); };

    OnWindowCreated(boxes, list);
    EXPECT_EQ(boxes.GetControlText(编辑框2).bytes(), c.box);
    EXPECT_EQ(FileBytes(path), c.file);

    // The user's first edit saves what the box shows.
    boxes.SetControlText(编辑框2, Text(c.box + "!"));
    EXPECT_EQ(FileBytes(path), c.box + "!");
  }
}

}  // namespace
}  // namespace quorvel
