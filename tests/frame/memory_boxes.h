// The boxes as plain texts, for running the frame's event rules and the
// handlers without a window.
#pragma once

#include <map>
#include <set>
#include <string>

#include "frame/control_text_property.h"

namespace quorvel::testing {

// The boxes as plain texts that notify like the platform: every box reports
// a change through the sink, and a single-line box also echoes one from
// inside the replacement, as the platform's single-line edit does.
class MemoryBoxes : public ControlTexts {
 public:
  MemoryBoxes(EventSink& sink, std::set<std::string> single_line)
      : sink_(sink), single_line_(std::move(single_line)) {}

  Text Read(ControlName box) override { return texts[std::string(box)]; }
  void Replace(ControlName box, const Text& text) override {
    texts[std::string(box)] = text;
    if (single_line_.contains(std::string(box))) sink_.Raise(box, Event::TextChanged);
  }
  void ReportChange(ControlName box) override { sink_.Raise(box, Event::TextChanged); }

  std::map<std::string, Text> texts;

 private:
  EventSink& sink_;
  std::set<std::string> single_line_;
};

}  // namespace quorvel::testing
