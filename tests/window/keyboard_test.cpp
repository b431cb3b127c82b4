#include "window/keyboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using Cycle = std::vector<ControlName>;

TEST(TabCycle, MainWindowGoesFromTheLastRecordToTheFirst) {
  EXPECT_EQ(TabCycle(kMainWindow), (Cycle{"按钮1", "编辑框2", "编辑框1", "编辑框3"}));
}

TEST(TabCycle, OrderNumbersFirstThenReverseRecordOrder) {
  const ControlDesc controls[] = {
      {.name = "a", .tab_order = 2},
      {.name = "b", .tab_order = 1},
      {.name = "c", .tab_order = 2},
      {.name = "d", .tab_order = -1},
      {.name = "e", .tab_order = 1},
  };
  const WindowDesc window{.controls = controls};
  EXPECT_EQ(TabCycle(window), (Cycle{"d", "e", "b", "c", "a"}));
}

TEST(TabCycle, LeavesOutWhatCannotTakeTheFocus) {
  const ControlDesc controls[] = {
      {.name = "hidden", .visible = false},
      {.name = "disabled", .disabled = true},
      {.name = "no stop", .tab_stop = false},
      {.name = "label", .kind = ControlKind::Label},  // a tab stop, but labels never take the focus
      {.name = "button", .kind = ControlKind::Button},
      {.name = "box"},
  };
  const WindowDesc window{.controls = controls};
  EXPECT_EQ(TabCycle(window), (Cycle{"box", "button"}));
}

constexpr Modifiers kNone{};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kCtrl{.ctrl = true};
constexpr Modifiers kAlt{.alt = true};

struct KeyCase {
  std::string_view focused;
  Key key;
  Modifiers modifiers;
  KeyDecision expected;
};

void ExpectDecisions(const WindowDesc& window, const std::vector<KeyCase>& cases) {
  for (const KeyCase& c : cases) {
    SCOPED_TRACE("focused '" + std::string(c.focused) + "', key " +
                 std::to_string(static_cast<int>(c.key)));
    const KeyDecision decision = DecideKey(window, c.focused, c.key, c.modifiers);
    EXPECT_EQ(decision.action, c.expected.action);
    EXPECT_EQ(decision.control, c.expected.control);
  }
}

TEST(DecideKey, TabAndShiftTabCycleAndWrap) {
  ExpectDecisions(kMainWindow, {
      {"按钮1", Key::Tab, kNone, {KeyAction::Focus, "编辑框2"}},
      {"编辑框2", Key::Tab, kNone, {KeyAction::Focus, "编辑框1"}},
      {"编辑框1", Key::Tab, kNone, {KeyAction::Focus, "编辑框3"}},
      {"编辑框3", Key::Tab, kNone, {KeyAction::Focus, "按钮1"}},
      {"按钮1", Key::Tab, kShift, {KeyAction::Focus, "编辑框3"}},
      {"编辑框3", Key::Tab, kShift, {KeyAction::Focus, "编辑框1"}},
      {"编辑框1", Key::Tab, kShift, {KeyAction::Focus, "编辑框2"}},
      {"编辑框2", Key::Tab, kShift, {KeyAction::Focus, "按钮1"}},
      // From the window itself, or from a control outside the cycle.
      {"", Key::Tab, kNone, {KeyAction::Focus, "按钮1"}},
      {"", Key::Tab, kShift, {KeyAction::Focus, "编辑框3"}},
      {"标签1", Key::Tab, kNone, {KeyAction::Focus, "按钮1"}},
      // Ctrl+Tab and Alt+Tab are not the window's.
      {"编辑框2", Key::Tab, kCtrl, {}},
      {"编辑框2", Key::Tab, kAlt, {}},
  });
}

TEST(DecideKey, EnterNeverClicksTheQueryButton) {
  ExpectDecisions(kMainWindow, {
      {"编辑框2", Key::Enter, kNone, {}},  // a multi-line box breaks the line
      {"编辑框3", Key::Enter, kNone, {}},
      {"编辑框1", Key::Enter, kNone, {}},
      {"按钮1", Key::Enter, kNone, {}},
      {"", Key::Enter, kNone, {}},
      {"编辑框1", Key::Enter, kShift, {}},
  });
}

TEST(DecideKey, EscClosesFromAnywhereAndF1DoesNothing) {
  ExpectDecisions(kMainWindow, {
      {"编辑框2", Key::Escape, kNone, {KeyAction::Close, {}}},
      {"编辑框1", Key::Escape, kNone, {KeyAction::Close, {}}},
      {"按钮1", Key::Escape, kNone, {KeyAction::Close, {}}},
      {"", Key::Escape, kNone, {KeyAction::Close, {}}},
      {"编辑框2", Key::Escape, kShift, {}},
      {"编辑框2", Key::F1, kNone, {KeyAction::UseUp, {}}},
      {"编辑框2", Key::Other, kNone, {}},
      {"按钮1", Key::Other, kNone, {}},
  });
}

// The Enter rules in order, for windows designed otherwise.
TEST(DecideKey, EnterRulesWithDefaultButtonsAndFocusMoving) {
  const ControlDesc controls[] = {
      {.name = "read only", .edit_box = {.multi_line = true, .input_mode = InputMode::ReadOnly}},
      {.name = "lines", .edit_box = {.multi_line = true}},
      {.name = "plain", .kind = ControlKind::Button},
      {.name = "off", .kind = ControlKind::Button, .disabled = true,
       .button = {.type = ButtonType::Default}},
      {.name = "ok", .kind = ControlKind::Button, .button = {.type = ButtonType::Default}},
      {.name = "line"},
  };
  const WindowDesc clicks{.controls = controls};
  ExpectDecisions(clicks, {
      {"lines", Key::Enter, kNone, {}},
      {"ok", Key::Enter, kNone, {KeyAction::Click, "ok"}},
      {"read only", Key::Enter, kNone, {KeyAction::Click, "ok"}},
      {"plain", Key::Enter, kNone, {KeyAction::Click, "ok"}},
      {"line", Key::Enter, kNone, {KeyAction::Click, "ok"}},
  });

  const WindowDesc moves{.properties = {.enter_moves_focus = true}, .controls = controls};
  ExpectDecisions(moves, {
      {"lines", Key::Enter, kNone, {}},
      {"ok", Key::Enter, kNone, {KeyAction::Click, "ok"}},
      {"line", Key::Enter, kNone, {KeyAction::Focus, "ok"}},
      {"plain", Key::Enter, kNone, {KeyAction::Focus, "lines"}},
  });
}

TEST(DecideKey, WindowWithoutTabStopsUsesTabUp) {
  const ControlDesc controls[] = {{.name = "label", .kind = ControlKind::Label}};
  const WindowDesc window{.properties = {.esc_closes = false}, .controls = controls};
  ExpectDecisions(window, {
      {"", Key::Tab, kNone, {KeyAction::UseUp, {}}},
      {"", Key::Escape, kNone, {}},
  });
}

}  // namespace
}  // namespace quorvel
