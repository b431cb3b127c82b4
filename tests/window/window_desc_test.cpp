#include "window/window_desc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

std::vector<EventBinding> Bindings(std::span<const EventBinding> events) {
  return {events.begin(), events.end()};
}

EditBoxProperties Box(bool multi_line) {
  EditBoxProperties box;
  box.multi_line = multi_line;
  box.scroll_bars = ScrollBars::None;
  box.border = EditBorder::Sunken;
  box.text_colour = Colour{false, 0, 0, 0};
  box.background = Colour{false, 255, 255, 255};
  box.font = StockFont::DefaultGui;
  box.alignment = HorizontalAlignment::Left;
  box.input_mode = InputMode::Normal;
  box.max_length = 0;
  box.hide_selection = true;
  box.letter_case = LetterCase::Unchanged;
  box.spin_buttons = false;
  box.selection_start = 0;
  box.selection_length = 0;
  box.password_character = '*';
  return box;
}

TEST(MainWindowDesc, WindowFields) {
  EXPECT_EQ(kMainWindow.name, "MainWindow");
  EXPECT_EQ(kMainWindow.caption.substr(0, 9), "Quorvel  ");
  EXPECT_TRUE(kMainWindow.caption.ends_with(".example"));
  EXPECT_EQ(kMainWindow.left, 50);
  EXPECT_EQ(kMainWindow.top, 50);
  EXPECT_EQ(kMainWindow.width, 444);
  EXPECT_EQ(kMainWindow.height, 357);
  EXPECT_TRUE(kMainWindow.visible);
  EXPECT_EQ(Bindings(kMainWindow.events),
            (std::vector<EventBinding>{{Event::Created, "OnWindowCreated"}}));

  WindowProperties expected;
  expected.border = WindowBorder::Fixed;
  expected.control_box = true;
  expected.maximise_button = false;
  expected.minimise_button = true;
  expected.start_position = StartPosition::Centred;
  expected.movable = true;
  expected.background = Colour{true, 0, 0, 0};
  expected.background_picture = "";
  expected.background_music = "";
  expected.icon = "";
  expected.enter_moves_focus = false;
  expected.esc_closes = true;
  expected.f1_opens_help = false;
  expected.show_in_taskbar = true;
  expected.drag_by_client_area = false;
  expected.rectangular = true;
  expected.always_on_top = false;
  expected.keep_title_active = false;
  EXPECT_EQ(kMainWindow.properties, expected);
  EXPECT_EQ(kExecutableIcon, "DEFAULT_ICON");
}

struct ExpectedControl {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  bool tab_stop;
  std::vector<EventBinding> events;
};

TEST(MainWindowDesc, ControlsInRecordOrder) {
  const std::vector<ExpectedControl> expected = {
      {"编辑框3", ControlKind::EditBox, 240, 280, 192, 40, true, {}},
      {"编辑框1", ControlKind::EditBox, 48, 288, 80, 20, true, {}},
      {"标签1", ControlKind::Label, 8, 285, 80, 24, false, {}},
      {"编辑框2", ControlKind::EditBox, 0, 8, 440, 264, true,
       {{Event::TextChanged, "OnListTextChanged"}}},
      {"按钮1", ControlKind::Button, 144, 280, 80, 32, true, {{Event::Clicked, "OnQueryClicked"}}},
  };
  ASSERT_EQ(kMainWindow.controls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ControlDesc& control = kMainWindow.controls[i];
    SCOPED_TRACE(std::string(expected[i].name));
    EXPECT_EQ(control.name, expected[i].name);
    EXPECT_EQ(control.kind, expected[i].kind);
    EXPECT_EQ(control.left, expected[i].left);
    EXPECT_EQ(control.top, expected[i].top);
    EXPECT_EQ(control.width, expected[i].width);
    EXPECT_EQ(control.height, expected[i].height);
    EXPECT_TRUE(control.visible);
    EXPECT_FALSE(control.disabled);
    EXPECT_EQ(control.tab_stop, expected[i].tab_stop);
    EXPECT_EQ(control.tab_order, 0);
    EXPECT_EQ(Bindings(control.events), expected[i].events);
  }
}

TEST(MainWindowDesc, KindProperties) {
  const auto& controls = kMainWindow.controls;
  EXPECT_EQ(controls[0].edit_box, Box(true));   // 编辑框3
  EXPECT_EQ(controls[1].edit_box, Box(false));  // 编辑框1
  EXPECT_EQ(controls[3].edit_box, Box(true));   // 编辑框2

  LabelProperties label;
  label.horizontal = HorizontalAlignment::Left;
  label.vertical = VerticalAlignment::Centre;
  label.word_wrap = false;
  label.text_colour = Colour{false, 0, 0, 0};
  label.background = Colour{true, 0, 0, 0};
  label.font = StockFont::DefaultGui;
  EXPECT_EQ(controls[2].label, label);

  ButtonProperties button;
  button.type = ButtonType::Normal;
  button.horizontal = HorizontalAlignment::Centre;
  button.vertical = VerticalAlignment::Centre;
  button.font = StockFont::DefaultGui;
  EXPECT_EQ(controls[4].button, button);
}

TEST(MainWindowDesc, Texts) {
  const auto& controls = kMainWindow.controls;
  EXPECT_EQ(controls[0].text, "");
  EXPECT_EQ(controls[1].text, "");
  EXPECT_EQ(controls[2].text, "\xCA\xD7\xD7\xD6");  // 首字
  EXPECT_EQ(controls[3].text, kListBoxSampleText);
  EXPECT_EQ(controls[4].text, "\xB2\xE9\xD1\xAF");  // 查询
}

// Twelve lines of whole GBK characters: CR LF between lines, none after the
// last, every lead byte followed by a valid second byte.
TEST(MainWindowDesc, ListBoxSampleIsTwelveGbkLines) {
  std::string_view text = kListBoxSampleText;
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r') {
      ASSERT_LT(i + 1, text.size());
      EXPECT_EQ(text[i + 1], '\n');
      EXPECT_NE(i + 2, text.size()) << "line break after the last line";
      ++lines;
      ++i;
    } else if (byte >= 0x81 && byte <= 0xFE) {
      ASSERT_LT(i + 1, text.size());
      const auto second = static_cast<unsigned char>(text[++i]);
      EXPECT_TRUE(second >= 0x40 && second <= 0xFE && second != 0x7F) << "at byte " << i;
    } else {
      ADD_FAILURE() << "unexpected byte " << int{byte} << " at " << i;
    }
  }
  EXPECT_EQ(lines, 12);
}

}  // namespace
}  // namespace quorvel
