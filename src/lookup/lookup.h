// The first-character lookup behind the query button "查询".
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/text.h"
#include "text/text_property.h"

namespace quorvel {

// Lines of a list are separated by CR LF; a lone LF ends no line.
inline constexpr std::string_view kLineBreak = "\r\n";

// The number of lines of a list: the pieces of SplitText(list, CR LF).
std::size_t CountLines(const Text& list);

// A fresh copy of line `number`, counted from 1; empty when out of range.
Text GetLine(const Text& list, std::int64_t number);

// Puts into 编辑框3 the last line of 编辑框2 whose first two bytes equal the
// text of 编辑框1 with blanks trimmed from both ends. Leaves 编辑框3 alone
// when no line matches.
void OnQueryClicked(TextProperty& boxes);

}  // namespace quorvel
