// Three boxes held as plain texts, for running handlers without a window.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "text/text_property.h"

namespace quorvel::testing {

class MemoryTextProperty : public TextProperty {
 public:
  // Runs inside every write, after the text is replaced, as the frame raises
  // a control's text-changed event.
  std::function<void(ControlName)> on_text_changed;

  Text GetControlText(ControlName control) override {
    ++reads[std::string(control)];
    return texts[std::string(control)];
  }

  void SetControlText(ControlName control, const Text& text) override {
    texts[std::string(control)] = text;
    writes.emplace_back(control);
    if (on_text_changed) on_text_changed(control);
  }

  std::map<std::string, Text> texts;
  std::map<std::string, int> reads;
  std::vector<std::string> writes;  // names of the written controls, in order
};

}  // namespace quorvel::testing
