// The text property of a control: the only way handlers reach the boxes.
#pragma once

#include <string_view>

#include "text/text.h"

namespace quorvel {

// Controls are addressed by their names, never by position or identifier.
using ControlName = std::string_view;

inline constexpr ControlName 编辑框1 = "编辑框1";  // the query box, "首字"
inline constexpr ControlName 编辑框2 = "编辑框2";  // the list of lines
inline constexpr ControlName 编辑框3 = "编辑框3";  // the result box

class TextProperty {
 public:
  virtual ~TextProperty() = default;

  // A fresh copy of the control's whole text; empty when the control is.
  virtual Text GetControlText(ControlName control) = 0;

  // Makes the control show exactly `text`, then raises the control's
  // text-changed event once, even for an unchanged text; a bound handler has
  // run to its end before this returns.
  virtual void SetControlText(ControlName control, const Text& text) = 0;
};

}  // namespace quorvel
