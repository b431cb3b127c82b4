// What the running tool costs on a list of 100,000 lines in the real window,
// printed as ratios of medians over interleaved rounds:
//   one click on 按钮1 against one WM_GETTEXT of 编辑框2 into a ready buffer, the least any
//   lookup must pay to see the list;
//   one typed character in 编辑框2, saved, against writing the same bytes
//   once to a new file, with the parts of that character's cost.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "frame/tool_win32.h"
#include "lookup/lookup.h"
#include "storage/file_layer_win32.h"
#include "storage/real_files_win32.h"
#include "storage/temp_directory_win32.h"
#include "storage/whole_file.h"
#include "lyric_like_list.h"
#include "timing.h"
#include "window/window_win32.h"

namespace quorvel {
namespace {

using bench::Median;
using bench::Seconds;

constexpr int kRounds = 41;
constexpr int kLines = 100'000;

// A plain edit control like the list box, with the same text and no
// handler: what the platform itself spends on a typed key.
class TwinBox {
 public:
  TwinBox(HWND like, const std::string& text) {
    RECT rect;
    GetClientRect(like, &rect);
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                              nullptr, nullptr);
    box_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                           WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                           0, 0, rect.right + 4, rect.bottom + 4, parent_, nullptr, nullptr,
                           nullptr);
    SendMessageA(box_, WM_SETFONT, SendMessageA(like, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(box_, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(box_, text.c_str());
  }
  TwinBox(const TwinBox&) = delete;
  TwinBox& operator=(const TwinBox&) = delete;
  ~TwinBox() { DestroyWindow(parent_); }
  HWND box() const { return box_; }

 private:
  HWND parent_;
  HWND box_;
};

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  const testing::TempDirectory directory;
  const std::string list = bench::LyricLikeList(kLines);
  testing::PutFile(directory.path() + "\\zhanghao.txt", list);
  Tool tool(ListFile(Text(directory.path()), Win32Files()));
  if (!tool.Load()) return 1;
  const HWND list_box = FindControl(tool.window(), 编辑框2);
  const HWND button = FindControl(tool.window(), 按钮1);
  // The first character of a line three quarters down the list.
  tool.boxes().SetControlText(编辑框1, TextLeft(GetLine(Text(list), kLines * 3 / 4), 2));

  // WM_GETTEXT alone, into a buffer made beforehand: the least a lookup pays.
  std::string buffer(list.size() + 1, '\0');
  std::vector<double> get_text, read_property, click;
  for (int round = 0; round < kRounds; ++round) {
    get_text.push_back(Seconds([&] {
      SendMessageA(list_box, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    }));
    read_property.push_back(Seconds([&] { tool.boxes().GetControlText(编辑框2); }));
    click.push_back(Seconds([&] { SendMessageA(button, BM_CLICK, 0, 0); }));
  }
  const std::string plain_path = directory.path() + "\\plain.txt";
  const Text plain_name(plain_path);
  const TwinBox twin(list_box, list);
  std::vector<double> plain_write, typed, typed_in_twin, read, save;
  for (int round = 0; round < kRounds; ++round) {
    const std::string saved = WindowText(list_box) + "x";
    const ByteSet saved_bytes(saved);
    DeleteFileA(plain_path.c_str());
    plain_write.push_back(Seconds([&] { testing::PutFile(plain_path, saved); }));
    typed.push_back(Seconds([&] { SendMessageA(list_box, WM_CHAR, 'x', 1); }));
    typed_in_twin.push_back(Seconds([&] { SendMessageA(twin.box(), WM_CHAR, 'x', 1); }));
    read.push_back(Seconds([&] { tool.boxes().GetControlText(编辑框2); }));
    save.push_back(Seconds([&] { WriteWholeFile(Win32Files(), plain_name, saved_bytes); }));
  }

  std::printf("%d lines (%zu bytes), median of %d rounds:\n", kLines, list.size(), kRounds);
  std::printf("  one click on the query button / one WM_GETTEXT of the list box: %.2f\n",
              Median(click) / Median(get_text));
  std::printf("  one read of the list box through the text property / one WM_GETTEXT: %.2f\n",
              Median(read_property) / Median(get_text));
  std::printf("  one typed character, saved / one write of the same bytes:       %.2f\n",
              Median(typed) / Median(plain_write));
  const double write = Median(plain_write);
  std::printf("    its parts: the edit control's own work on the key %.2f, reading the list\n"
              "    through the text property %.2f, saving it (a replace) %.2f\n",
              Median(typed_in_twin) / write, Median(read) / write, Median(save) / write);
  return 0;
}
