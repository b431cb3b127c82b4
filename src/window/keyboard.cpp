#include "window/keyboard.h"

#include <algorithm>

namespace quorvel {
namespace {

bool CanTakeFocus(const ControlDesc& control) {
  return control.kind != ControlKind::Label;
}

bool InTabCycle(const ControlDesc& control) {
  return control.visible && !control.disabled && control.tab_stop && CanTakeFocus(control);
}

const ControlDesc* FindDesc(const WindowDesc& window, ControlName name) {
  auto found = std::find_if(window.controls.begin(), window.controls.end(),
                            [name](const ControlDesc& control) { return control.name == name; });
  return found == window.controls.end() ? nullptr : &*found;
}

// The neighbour of `current` in the cycle, wrapping around; a control
// outside the cycle steps onto its first (or, going back, its last) member.
KeyDecision StepFocus(const WindowDesc& window, ControlName current, bool backwards) {
  std::vector<ControlName> cycle = TabCycle(window);
  if (cycle.empty()) return {KeyAction::UseUp, {}};
  if (backwards) std::reverse(cycle.begin(), cycle.end());
  auto here = std::find(cycle.begin(), cycle.end(), current);
  auto next = (here == cycle.end() || here + 1 == cycle.end()) ? cycle.begin() : here + 1;
  return {KeyAction::Focus, *next};
}

bool IsDefaultButton(const ControlDesc& control) {
  return control.kind == ControlKind::Button && !control.disabled &&
         control.button.type == ButtonType::Default;
}

bool TakesEnterItself(const ControlDesc& control) {
  return control.kind == ControlKind::EditBox && control.edit_box.multi_line &&
         control.edit_box.input_mode != InputMode::ReadOnly;
}

KeyDecision DecideEnter(const WindowDesc& window, ControlName focused) {
  const ControlDesc* control = FindDesc(window, focused);
  if (control && TakesEnterItself(*control)) return {KeyAction::PassOn, {}};
  if (control && IsDefaultButton(*control)) return {KeyAction::Click, control->name};
  if (window.properties.enter_moves_focus) return StepFocus(window, focused, false);
  auto button = std::find_if(window.controls.begin(), window.controls.end(), IsDefaultButton);
  if (button != window.controls.end()) return {KeyAction::Click, button->name};
  return {KeyAction::PassOn, {}};
}

bool NoModifiers(Modifiers modifiers) {
  return !modifiers.ctrl && !modifiers.shift && !modifiers.alt;
}

}  // namespace

// Equal tab-order numbers go from the last description to the first, so
// the cycle is built from the reversed record order with a stable sort.
std::vector<ControlName> TabCycle(const WindowDesc& window) {
  std::vector<const ControlDesc*> members;
  for (auto control = window.controls.rbegin(); control != window.controls.rend(); ++control) {
    if (InTabCycle(*control)) members.push_back(&*control);
  }
  std::stable_sort(members.begin(), members.end(), [](const ControlDesc* a, const ControlDesc* b) {
    return a->tab_order < b->tab_order;
  });
  std::vector<ControlName> cycle;
  for (const ControlDesc* control : members) cycle.push_back(control->name);
  return cycle;
}

KeyDecision DecideKey(const WindowDesc& window, ControlName focused, Key key,
                      Modifiers modifiers) {
  const bool plain = NoModifiers(modifiers);
  switch (key) {
    case Key::Tab:
      if (modifiers.ctrl || modifiers.alt) return {};
      return StepFocus(window, focused, modifiers.shift);
    case Key::Enter:
      return plain ? DecideEnter(window, focused) : KeyDecision{};
    case Key::Escape:
      return plain && window.properties.esc_closes ? KeyDecision{KeyAction::Close, {}}
                                                   : KeyDecision{};
    case Key::F1:
      // Without help there is nothing for F1 to open.
      return plain && !window.properties.f1_opens_help ? KeyDecision{KeyAction::UseUp, {}}
                                                       : KeyDecision{};
    case Key::Other:
      break;
  }
  return {};
}

}  // namespace quorvel
