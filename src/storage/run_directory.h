// The directory of the running executable, found in its path by characters
// of the ANSI code page.
#pragma once

#include <string_view>

#include "text/text.h"

namespace quorvel {

// Whether a byte starts a two-byte character in the ANSI code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The path cut just before its last backslash, with no trailing backslash
// (a drive root gives "C:"); empty when the path holds no backslash. A 0x5C
// that is the second byte of a two-byte character is never the separator.
Text RunDirectory(std::string_view executable_path, LeadByteTest is_lead_byte);

}  // namespace quorvel
