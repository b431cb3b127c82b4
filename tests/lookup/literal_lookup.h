// The lookup as a plain loop over line numbers: every pass reads the boxes
// again and splits the list again, so a click costs the square of the
// list's length. Kept as the yardstick that the one-pass OnQueryClicked is
// checked against, and timed against in the benchmarks.
#pragma once

#include <cstddef>

#include "lookup/lookup.h"
#include "text/text.h"
#include "text/text_property.h"

namespace quorvel::testing {

inline void LiteralQueryClicked(TextProperty& boxes) {
  const std::size_t count = CountLines(boxes.GetControlText(编辑框2));
  for (std::size_t i = 1; i <= count; ++i) {
    const Text line = GetLine(boxes.GetControlText(编辑框2), static_cast<std::int64_t>(i));
    const Text key = TextLeft(line, 2);
    const Text query = TrimBothEnds(boxes.GetControlText(编辑框1));
    if (CompareText(key, query) == 0) {
      const Text match = GetLine(boxes.GetControlText(编辑框2), static_cast<std::int64_t>(i));
      boxes.SetControlText(编辑框3, match);
    }
  }
}

}  // namespace quorvel::testing
