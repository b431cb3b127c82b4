// The window's own keyboard navigation, decided from the descriptions alone
// so that the platform layer only carries the decision out.
#pragma once

#include <string_view>
#include <vector>

#include "window/window_desc.h"

namespace quorvel {

// The controls that Tab visits, in visiting order.
std::vector<ControlName> TabCycle(const WindowDesc& window);

// The keys the window looks at before its controls see them.
enum class Key { Tab, Enter, Escape, F1, Other };

struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

enum class KeyAction {
  PassOn,   // the focused control gets the key as usual
  UseUp,    // the key goes nowhere
  Focus,    // the focus moves to `control`
  Click,    // `control`, a push button, is clicked
  Close,    // the window is asked to close
};

struct KeyDecision {
  KeyAction action = KeyAction::PassOn;
  ControlName control;

  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// `focused` names the control that has the focus; empty when the window
// itself (or no control of it) has it.
KeyDecision DecideKey(const WindowDesc& window, ControlName focused, Key key,
                      Modifiers modifiers);

}  // namespace quorvel
