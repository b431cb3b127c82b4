// The text property over the real edit boxes of the main window, whose
// controls hand each change notification to the sink unfiltered.
#include "frame/edit_boxes_win32.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "window/window_win32.h"

namespace quorvel {
namespace {

// The sink the window reports to: counts what reaches it, then filters it as
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

class EditBoxesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = BuildMainWindow(kMainWindow, sink_);
    ASSERT_TRUE(window_);
    ASSERT_TRUE(sink_.notified.empty());  // creation with a text reports nothing
  }
  void TearDown() override { DestroyWindow(window_); }

  // Each box's handler notes the text it sees.
  EventBindings NotingBindings() {
    EventBindings bindings;
    for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {
      bindings.Bind(box, Event::TextChanged, [this, box] {
        seen_[std::string(box)].push_back(property_.GetControlText(box));
      });
    }
    return bindings;
  }

  std::map<std::string, std::vector<Text>> seen_;
  EventDispatcher events_{NotingBindings(), [](int) {}};
  CountingSink sink_{events_};
  HWND window_ = nullptr;
  EditBoxes edit_boxes_{[this](ControlName box) { return FindControl(window_, box); }};
  ControlTextProperty property_{edit_boxes_, events_.setting_text()};
};

TEST_F(EditBoxesTest, EachWriteRaisesOneEventAfterTheTextIsReplaced) {
  struct Case {
    ControlName box;
    int notifications_per_write;  // the box's own plus the write's
  };
  // The single-line edit reports a change from inside SetWindowTextA; the
  // multi-line edit reports none.
  for (const Case& c : {Case{编辑框1, 2}, Case{编辑框2, 1}, Case{编辑框3, 1}}) {
    const std::string name(c.box);
    property_.SetControlText(c.box, Text("one"));
    property_.SetControlText(c.box, Text("one"));  // unchanged
    property_.SetControlText(c.box, Text());
    EXPECT_EQ(seen_[name], (std::vector<Text>{Text("one"), Text("one"), Text()})) << name;
    EXPECT_EQ(sink_.notified[name], 3 * c.notifications_per_write) << name;
    EXPECT_FALSE(events_.setting_text().IsSet(c.box));
  }
}

TEST_F(EditBoxesTest, EmptyBoxReadsAbsent) {
  EXPECT_FALSE(property_.GetControlText(编辑框2).empty());  // the design-time lines
  for (ControlName box : {编辑框1, 编辑框2, 编辑框3}) {
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
