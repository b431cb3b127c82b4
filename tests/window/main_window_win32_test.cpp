// The real window and controls, built from the descriptions in this
// process, and their keyboard handling fed the way the message loop does.
#include "window/window_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

class RecordingSink : public EventSink {
 public:
  void Raise(std::string_view source, Event event) override {
    raised.emplace_back(std::string(source), event);
  }
  void WindowDestroyed() override { ++destroyed; }

  std::vector<std::pair<std::string, Event>> raised;
  int destroyed = 0;
};

using Raised = std::vector<std::pair<std::string, Event>>;

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyle(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

// The window's outer rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int TextHeight(std::string_view sample) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, DefaultGuiFont());
  SIZE size{};
  GetTextExtentPoint32A(dc, sample.data(), static_cast<int>(sample.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

// Hands every queued message to the keyboard handling first, as the
// message loop does.
void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (HandleKeyBeforeDispatch(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The key message's lParam: repeat count 1, the scan code, the context bit
// while Alt is held, and the previous-state and transition bits on release.
void Deliver(UINT type, WPARAM key) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  LPARAM lparam = 1 | (static_cast<LPARAM>(scan) << 16);
  if (type == WM_SYSKEYDOWN || type == WM_SYSKEYUP) lparam |= 1L << 29;
  if (type == WM_KEYUP || type == WM_SYSKEYUP) lparam |= (1L << 30) | (1L << 31);
  MSG message{GetFocus(), type, key, lparam, GetTickCount(), {}};
  if (!HandleKeyBeforeDispatch(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Pump();
}

void SetKeyDown(BYTE (&state)[256], int key, bool down) {
  state[key] = down ? 0x80 : 0;
}

enum class Held { Nothing, Shift, Alt };

// A key press addressed to the focused control, with Shift or Alt held.
void Press(WPARAM key, Held held = Held::Nothing) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  SetKeyDown(state, VK_SHIFT, held == Held::Shift);
  SetKeyDown(state, VK_MENU, held == Held::Alt);
  SetKeyboardState(state);
  const bool alt = held == Held::Alt;
  Deliver(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key);
  Deliver(alt ? WM_SYSKEYUP : WM_KEYUP, key);
  SetKeyDown(state, VK_SHIFT, false);
  SetKeyDown(state, VK_MENU, false);
  SetKeyboardState(state);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = BuildMainWindow(kMainWindow, sink_);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    Pump();
  }

  HWND Control(std::string_view name) { return FindControl(window_, name); }

  std::string FocusedName() {
    for (const ControlDesc& control : kMainWindow.controls) {
      if (Control(control.name) == GetFocus()) return std::string(control.name);
    }
    return GetFocus() == window_ ? "MainWindow" : "elsewhere";
  }

  void Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    Pump();
  }

  RecordingSink sink_;
  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, WindowClassIsOurOwn) {
  EXPECT_EQ(ClassName(window_), "QuorvelMainWindow");
  EXPECT_EQ(GetClassLongA(window_, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
  EXPECT_EQ(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND), 0);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window_, GCLP_HCURSOR)),
            LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(MainWindowTest, WindowIsHiddenFixedCentredAndExactlySized) {
  // Top-level windows always clip their siblings; the frame adds a window
  // edge to any window with a dialog frame.
  EXPECT_EQ(Style(window_) & ~WS_CLIPSIBLINGS,
            DWORD{WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX});
  EXPECT_EQ(ExStyle(window_) & ~WS_EX_WINDOWEDGE, 0u);
  EXPECT_FALSE(IsWindowVisible(window_));
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
  EXPECT_EQ(WindowText(window_), "Quorvel  quorvel.example");

  RECT rect{};
  GetWindowRect(window_, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 444) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 357) / 2);
  EXPECT_EQ(rect.right - rect.left, 444);
  EXPECT_EQ(rect.bottom - rect.top, 357);

  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 444 - 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
  EXPECT_EQ(client.bottom, 357 - 2 * GetSystemMetrics(SM_CYFIXEDFRAME) - GetSystemMetrics(SM_CYCAPTION));

  const HMENU menu = GetSystemMenu(window_, FALSE);
  EXPECT_NE(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST_F(MainWindowTest, WindowHasFontAndBothIcons) {
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)), DefaultGuiFont());
  for (auto [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    const auto icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, which, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

struct ExpectedControl {
  std::string_view name;
  std::string_view class_name;
  DWORD style;
  DWORD ex_style;
  RECT place;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kMultiLine = kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kSingleLine = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

// Creation order was reversed; the stacking is the record order again.
TEST_F(MainWindowTest, ControlsInRecordOrderFromTopToBottom) {
  const std::vector<ExpectedControl> expected = {
      {"编辑框3", "Edit", kMultiLine, WS_EX_CLIENTEDGE, {240, 280, 432, 320}},
      {"编辑框1", "Edit", kSingleLine, WS_EX_CLIENTEDGE, {48, 288, 128, 308}},
      {"标签1", "QuorvelLabel", kChild, 0, {8, 285, 88, 309}},
      {"编辑框2", "Edit", kMultiLine, WS_EX_CLIENTEDGE, {0, 8, 440, 272}},
      {"按钮1", "Button", kButton, 0, {144, 280, 224, 312}},
  };
  HWND control = GetWindow(window_, GW_CHILD);
  for (const ExpectedControl& e : expected) {
    SCOPED_TRACE(std::string(e.name));
    ASSERT_EQ(control, Control(e.name));
    EXPECT_EQ(ClassName(control), e.class_name);
    EXPECT_EQ(Style(control), e.style);
    EXPECT_EQ(ExStyle(control), e.ex_style);
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, e.place.left);
    EXPECT_EQ(place.top, e.place.top);
    EXPECT_EQ(place.right, e.place.right);
    EXPECT_EQ(place.bottom, e.place.bottom);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), DefaultGuiFont());
    EXPECT_FALSE(IsWindowUnicode(control)) << "GBK bytes would pass through UTF-16";
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr);
}

TEST_F(MainWindowTest, ControlsCarryTheirDesignTimeTexts) {
  for (const ControlDesc& control : kMainWindow.controls) {
    EXPECT_EQ(WindowText(Control(control.name)), control.text) << control.name;
  }
  EXPECT_EQ(FindControl(window_, "nothing"), nullptr);
}

TEST_F(MainWindowTest, EditBoxesTakeAnyLengthWithTheCaretAtTheStart) {
  for (auto [name, limit] : {std::pair{编辑框1, 0x7FFFFFFEu}, std::pair{编辑框2, 0xFFFFFFFFu},
                             std::pair{编辑框3, 0xFFFFFFFFu}}) {
    HWND box = Control(name);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(box, EM_GETLIMITTEXT, 0, 0)), limit) << name;
    DWORD start = 1, end = 1;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u) << name;
    EXPECT_EQ(end, 0u) << name;
    EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << name;
  }
}

// Each box answers for itself, black on white, with a brush of its own that
// goes when the box goes.
TEST_F(MainWindowTest, EditBoxesAnswerTheirOwnColours) {
  std::vector<HBRUSH> brushes;
  for (ControlName name : {编辑框1, 编辑框2, 编辑框3}) {
    HWND box = Control(name);
    HDC dc = GetDC(box);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(window_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0)) << name;
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255)) << name;
    ReleaseDC(box, dc);
    LOGBRUSH logbrush{};
    ASSERT_EQ(GetObjectA(brush, sizeof logbrush, &logbrush), static_cast<int>(sizeof logbrush));
    EXPECT_EQ(logbrush.lbStyle, UINT{BS_SOLID});
    EXPECT_EQ(logbrush.lbColor, RGB(255, 255, 255));
    for (HBRUSH other : brushes) EXPECT_NE(brush, other);
    brushes.push_back(brush);
  }
  DestroyWindow(window_);
  for (HBRUSH brush : brushes) EXPECT_EQ(GetObjectType(brush), 0u);
}

// The single-line box keeps one text line, centred in its inner height; the
// multi-line boxes keep the whole inside.
TEST_F(MainWindowTest, QueryBoxClientIsOneCentredLine) {
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int line = TextHeight("W");
  HWND box = Control(编辑框1);
  RECT client{};
  GetClientRect(box, &client);
  EXPECT_EQ(client.bottom, line);
  EXPECT_EQ(client.right, 80 - 2 * GetSystemMetrics(SM_CXEDGE));
  POINT origin{0, 0};
  MapWindowPoints(box, window_, &origin, 1);
  const int inner = 20 - 2 * edge;
  EXPECT_EQ(origin.y, 288 + edge + (inner - line) / 2);

  RECT window{};
  GetWindowRect(box, &window);
  const int x = window.left + 40;
  const auto hit = [&](int y) { return SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(window.top + edge), HTBORDER);
  EXPECT_EQ(hit(window.bottom - edge - 1), HTBORDER);
  EXPECT_EQ(hit(window.top + 10), HTCLIENT);

  for (ControlName name : {编辑框2, 编辑框3}) {
    const RECT place = PlaceInParent(Control(name));
    GetClientRect(Control(name), &client);
    EXPECT_EQ(client.bottom, place.bottom - place.top - 2 * edge) << name;
  }
}

TEST_F(MainWindowTest, LowSingleLineBoxGrowsToItsFont) {
  static constexpr ControlDesc kLow{.name = "low", .left = 10, .top = 30, .width = 50, .height = 6};
  HWND box = CreateControl(kLow, window_, 999);
  ASSERT_NE(box, nullptr);
  const RECT place = PlaceInParent(box);
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.top, 30);
  EXPECT_EQ(place.right - place.left, 50);
  EXPECT_EQ(place.bottom - place.top, TextHeight("\xCE\xE2") + 2 * GetSystemMetrics(SM_CYEDGE));  // 吴
}

TEST_F(MainWindowTest, LongLinesWrapAndLongListsFit) {
  HWND list = Control(编辑框2);
  SetWindowTextA(list, std::string(300, 'x').c_str());
  EXPECT_GT(SendMessageA(list, EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(Style(list) & (WS_HSCROLL | WS_VSCROLL), 0u);

  // Typing past the platform's default limit of 32,767 characters.
  std::string long_list;
  for (int i = 0; i < 4000; ++i) long_list += "yyyyyyyy\r\n";
  SetWindowTextA(list, long_list.c_str());
  SendMessageA(list, EM_SETSEL, long_list.size(), long_list.size());
  SendMessageA(list, WM_CHAR, 'z', 0);
  EXPECT_EQ(GetWindowTextLengthA(list), 40001);
}

TEST_F(MainWindowTest, PaintsButtonFaceAndTheLabelAtItsLeftMiddle) {
  Show();
  HDC dc = GetDC(window_);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetPixel(dc, 2, 2), face);
  EXPECT_EQ(GetPixel(dc, 436, 276), face);

  // The part of the label that the query box leaves visible.
  RECT ink{48, 309, 8, 285};
  for (int y = 285; y < 309; ++y) {
    for (int x = 8; x < 48; ++x) {
      if (GetPixel(dc, x, y) == face) continue;
      ink = {std::min(ink.left, LONG{x}), std::min(ink.top, LONG{y}),
             std::max(ink.right, LONG{x + 1}), std::max(ink.bottom, LONG{y + 1})};
    }
  }
  ReleaseDC(window_, dc);

  // The bands above and below the query box's line are white again after
  // every frame painting. (Wine's themed edit frame whitens them as well;
  // on Windows only the box's own band painting does.)
  HWND box = Control(编辑框1);
  HDC box_dc = GetWindowDC(box);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const RECT whole{0, 0, 80, 20};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(box_dc, &whole, red);
  DeleteObject(red);
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(GetPixel(box_dc, 40, edge), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(box_dc, 40, 20 - edge - 1), RGB(255, 255, 255));
  ReleaseDC(box, box_dc);

  ASSERT_LT(ink.left, ink.right) << "the label painted nothing";
  EXPECT_LE(ink.left, 8 + 2);
  EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 285 + 12, 2.5);
}

TEST_F(MainWindowTest, FocusGoesToTheButtonAndComesBackAfterDeactivation) {
  Show();
  EXPECT_EQ(FocusedName(), "按钮1");

  SetFocus(Control(编辑框1));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  SetActiveWindow(window_);
  Pump();
  EXPECT_EQ(FocusedName(), "编辑框1");
  DestroyWindow(other);
}

TEST_F(MainWindowTest, LabelNeverTakesTheFocus) {
  Show();
  HWND label = Control(标签1);
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(FocusedName(), "按钮1");
}

TEST_F(MainWindowTest, TabAndShiftTabCycleAndWrap) {
  Show();
  const std::string list = WindowText(Control(编辑框2));
  for (const char* next : {"编辑框2", "编辑框1", "编辑框3", "按钮1", "编辑框2"}) {
    Press(VK_TAB);
    EXPECT_EQ(FocusedName(), next);
  }
  for (const char* previous : {"按钮1", "编辑框3", "编辑框1", "编辑框2", "按钮1"}) {
    Press(VK_TAB, Held::Shift);
    EXPECT_EQ(FocusedName(), previous);
  }
  EXPECT_EQ(WindowText(Control(编辑框2)), list) << "a Tab reached the list";
  EXPECT_EQ(WindowText(Control(编辑框3)), "");
}

TEST_F(MainWindowTest, EnterBreaksLinesInMultiLineBoxesOnly) {
  Show();
  for (ControlName name : {编辑框2, 编辑框3}) {
    HWND box = Control(name);
    SetFocus(box);
    const std::string before = WindowText(box);
    Press(VK_RETURN);
    EXPECT_EQ(WindowText(box), "\r\n" + before) << name;
  }

  sink_.raised.clear();
  SetFocus(Control(编辑框1));
  Press(VK_RETURN);
  EXPECT_EQ(FocusedName(), "编辑框1");
  EXPECT_EQ(WindowText(Control(编辑框1)), "");

  SetFocus(Control(按钮1));
  Press(VK_RETURN);
  Press(VK_F1);
  EXPECT_EQ(FocusedName(), "按钮1");
  EXPECT_EQ(sink_.raised, Raised{}) << "Enter clicked something";
}

TEST_F(MainWindowTest, SpaceClicksTheFocusedButton) {
  Show();
  sink_.raised.clear();
  Press(VK_SPACE);
  EXPECT_EQ(sink_.raised, (Raised{{"按钮1", Event::Clicked}}));
}

// Every change notification is raised; the frame decides which reach handlers.
TEST_F(MainWindowTest, ChangesAreRaisedByTheBoxesThemselves) {
  Show();
  sink_.raised.clear();
  SetFocus(Control(编辑框2));
  Press('A');
  SendMessageA(Control(编辑框1), WM_CHAR, 'q', 0);
  HWND result = Control(编辑框3);
  SendMessageA(result, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(result));
  EXPECT_EQ(sink_.raised, (Raised{{"编辑框2", Event::TextChanged},
                                  {"编辑框1", Event::TextChanged},
                                  {"编辑框3", Event::TextChanged}}));
}

TEST(MainWindowClose, EscClosesFromEveryControl) {
  for (ControlName name : {编辑框1, 编辑框2, 编辑框3, 按钮1}) {
    RecordingSink sink;
    HWND window = BuildMainWindow(kMainWindow, sink);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    SetFocus(FindControl(window, name));
    Press(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(window)) << name;
    EXPECT_EQ(sink.destroyed, 1) << name;
    EXPECT_EQ(sink.raised, Raised{}) << name;
  }
}

TEST(MainWindowClose, AltF4ClosesFromTheList) {
  RecordingSink sink;
  HWND window = BuildMainWindow(kMainWindow, sink);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOW);
  SetFocus(FindControl(window, 编辑框2));
  Press(VK_F4, Held::Alt);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(sink.destroyed, 1);
}

TEST(MainWindowClose, CloseRequestDestroysTheWindowOnce) {
  RecordingSink sink;
  HWND window = BuildMainWindow(kMainWindow, sink);
  ASSERT_NE(window, nullptr);
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(sink.destroyed, 1);
}

}  // namespace
}  // namespace quorvel
