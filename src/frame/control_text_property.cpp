#include "frame/control_text_property.h"

namespace quorvel {

void ControlTextProperty::SetControlText(ControlName box, const Text& text) {
  setting_text_.Set(box);
  boxes_.Replace(box, text);
  setting_text_.Clear(box);
  boxes_.ReportChange(box);
}

}  // namespace quorvel
