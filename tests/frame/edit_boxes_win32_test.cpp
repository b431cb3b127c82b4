// The text property over real edit controls, single-line and multi-line,
// inside a parent that hands each change notification back to its box, as
// the tool's main window does.
#include "frame/edit_boxes_win32.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// The sink the boxes report to: counts what reaches it, then filters it as
// the frame does.
class CountingSink : public EventSink {
 public:
  explicit CountingSink(EventDispatcher& events) : events_(events) {}
  void Raise(std::string_view source, Event event) override {
    ++notified[std::string(source)];
    events_.Raise(source, event);
  }
  void WindowDestroyed() override {}

  std::map<std::string, int> notified;

 private:
  EventDispatcher& events_;
};

class Window {
 public:
  explicit Window(HWND handle) : handle_(handle) {}
  Window(Window&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Window& operator=(Window&&) = delete;
  ~Window() { if (handle_) DestroyWindow(handle_); }
  HWND get() const { return handle_; }

 private:
  HWND handle_;
};

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND sender = reinterpret_cast<HWND>(lparam);
  if (message == WM_COMMAND && sender && sender != window) {
    return SendMessageA(sender, WM_COMMAND, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

struct Subclass {
  std::string name;
  EventSink* sink;
  WNDPROC edit_proc;
};
std::map<HWND, Subclass> subclasses;

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  const Subclass& subclass = subclasses.at(box);
  if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) {
    subclass.sink->Raise(subclass.name, Event::TextChanged);
    return 0;
  }
  return CallWindowProcA(subclass.edit_proc, box, message, wparam, lparam);
}

constexpr char kParentClass[] = "QuorvelEditBoxesTestParent";
constexpr int kBoxWidth = 200;
constexpr int kBoxHeight = 100;

class EditBoxesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA parent_class{};
    parent_class.lpfnWndProc = ParentProc;
    parent_class.hInstance = GetModuleHandleA(nullptr);
    parent_class.lpszClassName = kParentClass;
    RegisterClassA(&parent_class);
    parent_ = std::make_unique<Window>(CreateWindowExA(0, kParentClass, "", WS_OVERLAPPEDWINDOW,
                                                       0, 0, 400, 300, nullptr, nullptr,
                                                       nullptr, nullptr));
    ASSERT_TRUE(parent_->get());
    AddBox(编辑框1, ES_AUTOHSCROLL);
    AddBox(编辑框2, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN);
    AddBox(编辑框3, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN);
    ASSERT_TRUE(sink_.notified.empty());  // creation with a text reports nothing
  }

  void TearDown() override {
    boxes_.clear();
    subclasses.clear();
  }

  void AddBox(ControlName name, DWORD style) {
    Window box(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "design text",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, kBoxWidth,
                               kBoxHeight, parent_->get(), nullptr, nullptr, nullptr));
    ASSERT_TRUE(box.get());
    SendMessageA(box.get(), EM_LIMITTEXT, 0, 0);
    const auto edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoxProc)));
    subclasses[box.get()] = {std::string(name), &sink_, edit_proc};
    boxes_.emplace(std::string(name), std::move(box));
  }

  HWND Find(ControlName name) {
    const auto found = boxes_.find(std::string(name));
    return found == boxes_.end() ? nullptr : found->second.get();
  }

  EventBindings CountingBindings() {
    EventBindings bindings;
    for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {
      bindings.Bind(box, Event::TextChanged, [this, box] { ++runs_[std::string(box)]; });
    }
    return bindings;
  }

  std::map<std::string, int> runs_;
  EventDispatcher events_{CountingBindings(), [](int) {}};
  CountingSink sink_{events_};
  std::unique_ptr<Window> parent_;
  std::map<std::string, Window> boxes_;
  EditBoxes edit_boxes_{[this](ControlName name) { return Find(name); }};
  ControlTextProperty property_{edit_boxes_, events_.setting_text()};
};

TEST_F(EditBoxesTest, EachWriteRaisesOneEventWhateverThePlatformReports) {
  struct Case {
    ControlName box;
    int platform_notifications_per_write;  // the box's own echo plus ours
  };
  // The single-line edit reports a change from inside SetWindowTextA; the
  // multi-line edit reports none.
  for (const Case& c : {Case{编辑框1, 2}, Case{编辑框2, 1}, Case{编辑框3, 1}}) {
    const std::string name(c.box);
    property_.SetControlText(c.box, Text("one"));
    property_.SetControlText(c.box, Text("one"));  // unchanged
    property_.SetControlText(c.box, Text());
    EXPECT_EQ(runs_[name], 3) << name;
    EXPECT_EQ(sink_.notified[name], 3 * c.platform_notifications_per_write) << name;
    EXPECT_FALSE(events_.setting_text().IsSet(c.box));
  }
}

TEST_F(EditBoxesTest, HandlerSeesTheNewTextAndRunsBeforeTheWriteReturns) {
  std::vector<Text> seen;
  EventBindings bindings;
  bindings.Bind(编辑框2, Event::TextChanged,
                [&] { seen.push_back(property_.GetControlText(编辑框2)); });
  EventDispatcher events(std::move(bindings), [](int) {});
  CountingSink sink(events);
  subclasses.at(Find(编辑框2)).sink = &sink;
  ControlTextProperty property(edit_boxes_, events.setting_text());

  property.SetControlText(编辑框2, Text("a\r\nb"));
  EXPECT_EQ(seen, std::vector<Text>{Text("a\r\nb")});
}

TEST_F(EditBoxesTest, EmptyBoxReadsAbsent) {
  for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {
    EXPECT_EQ(property_.GetControlText(box), Text("design text"));
    property_.SetControlText(box, Text());
    EXPECT_EQ(property_.GetControlText(box), Text());
  }
}

// Every two-byte character of code page 936 that maps to Unicode, plus the
// single bytes 0x80 and 0xFF, in lines of 16 characters. (Lines of list-like
// length keep the multi-line box's word wrapping quick.)
std::string ManyGbkCharacters() {
  std::string bytes = "\x80\xFF";
  int in_line = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wide = 0;
      if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, &wide, 1) == 1) {
        bytes.append(pair, 2);
        if (++in_line % 16 == 0) bytes += "\r\n";
      }
    }
  }
  return bytes;
}

TEST_F(EditBoxesTest, BytesComeBackUnchanged) {
  const std::string gbk = ManyGbkCharacters();
  std::string longer_than_typing_limit;  // the platform's default is 32,767 characters
  for (int line = 0; line < 2000; ++line) {
    longer_than_typing_limit += "line " + std::to_string(line) + " of the list\r\n";
  }
  ASSERT_GT(longer_than_typing_limit.size(), 40000u);
  const std::string cases[] = {
      gbk,
      longer_than_typing_limit,
      "\xCA\xD7\xD7\xD6 \xB2\xE9\xD1\xAF\r\n\r\nsecond\nlone LF\r\n",  // 首字 查询
  };
  for (ControlName box : {编辑框1, 编辑框2}) {
    for (const std::string& bytes : cases) {
      property_.SetControlText(box, Text(bytes));
      EXPECT_TRUE(property_.GetControlText(box) == Text(bytes))
          << box << ", " << bytes.size() << " bytes";
    }
  }
}

TEST_F(EditBoxesTest, UnknownNameReadsAbsentAndWritesNothing) {
  property_.SetControlText("编辑框9", Text("x"));
  EXPECT_EQ(property_.GetControlText("编辑框9"), Text());
  EXPECT_TRUE(sink_.notified.empty());
}

}  // namespace
}  // namespace quorvel
