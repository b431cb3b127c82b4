#include "storage/list_file_win32.h"

#include <windows.h>

#include <array>
#include <string>

#include "storage/file_layer_win32.h"
#include "storage/run_directory.h"

namespace quorvel {
namespace {

// The executable's full path; empty when the platform fails, or when the
// path fills the buffer and so may have been cut short.
std::string ExecutablePath() {
  std::array<char, MAX_PATH> buffer{};
  const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), buffer.size());
  if (length == 0 || length >= buffer.size()) return {};
  return std::string(buffer.data(), length);
}

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

}  // namespace

ListFile ListFileBesideExecutable() {
  return ListFile(RunDirectory(ExecutablePath(), IsAnsiLeadByte), Win32Files());
}

}  // namespace quorvel
