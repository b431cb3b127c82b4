// The boxes' texts held by real edit controls.
#pragma once

#include <windows.h>

#include <functional>

#include "frame/control_text_property.h"

namespace quorvel {

// Finds a control's window by its name; null when there is none.
using ControlLookup = std::function<HWND(ControlName)>;

class EditBoxes : public ControlTexts {
 public:
  explicit EditBoxes(ControlLookup find) : find_(std::move(find)) {}

  Text Read(ControlName box) override;
  void Replace(ControlName box, const Text& text) override;
  void ReportChange(ControlName box) override;

 private:
  ControlLookup find_;
};

}  // namespace quorvel
