#include "storage/run_directory.h"

namespace quorvel {

Text RunDirectory(std::string_view executable_path, LeadByteTest is_lead_byte) {
  constexpr char kBackslash = '\\';
  // Only a scan from the start knows where characters begin: 乗 is
  // 0x81 0x5C, and its second byte is no separator.
  std::size_t last_backslash = std::string_view::npos;
  for (std::size_t pos = 0; pos < executable_path.size(); ++pos) {
    const char byte = executable_path[pos];
    if (is_lead_byte(static_cast<unsigned char>(byte))) {
      ++pos;
    } else if (byte == kBackslash) {
      last_backslash = pos;
    }
  }
  if (last_backslash == std::string_view::npos) return Text();
  return Text(executable_path.substr(0, last_backslash));
}

}  // namespace quorvel
