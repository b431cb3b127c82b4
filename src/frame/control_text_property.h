// The text property of the boxes, over whatever holds their texts.
#pragma once

#include "frame/events.h"
#include "text/text_property.h"

namespace quorvel {

// The boxes as the platform holds them. Replacing a text may make the
// platform report a change of its own (a single-line edit does, a multi-line
// one doesn't); ReportChange always reports exactly one.
class ControlTexts {
 public:
  virtual ~ControlTexts() = default;
  virtual Text Read(ControlName box) = 0;
  virtual void Replace(ControlName box, const Text& text) = 0;
  // Delivers the box's change notification to the box, which raises its
  // text-changed event through the window's event sink.
  virtual void ReportChange(ControlName box) = 0;
};

// Each write raises exactly one text-changed event, whatever the platform
// reports meanwhile: the box's setting-text flag silences the platform's own
// notification, and the write then reports the change itself.
class ControlTextProperty : public TextProperty {
 public:
  ControlTextProperty(ControlTexts& boxes, SettingTextFlags& setting_text)
      : boxes_(boxes), setting_text_(setting_text) {}

  Text GetControlText(ControlName box) override { return boxes_.Read(box); }
  void SetControlText(ControlName box, const Text& text) override;

 private:
  ControlTexts& boxes_;
  SettingTextFlags& setting_text_;
};

}  // namespace quorvel
