#include "storage/whole_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace quorvel {
namespace {

// A file is read only when its whole length fits a positive signed 32-bit
// count. The whole length is tested, not its low 32 bits, so that a file
// just past 4 GiB never passes for a small one.
constexpr std::uint64_t kLongestReadable = std::numeric_limits<std::int32_t>::max();

// Written beside the list and then put in its place.
constexpr std::string_view kTemporarySuffix = ".tmp";

std::optional<std::string> BufferOf(std::uint64_t length) {
  try {
    return std::string(static_cast<std::size_t>(length), '\0');
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

FileContent Cut() { return {ByteSet(), ReadExtent::kCut}; }

bool WriteParts(OpenFile& file, std::span<const std::string_view> parts) {
  for (const std::string_view part : parts) {
    if (!part.empty() && !file.Write(part)) return false;
  }
  return true;
}

// The list file is cut to length 0 before the new bytes are in, so this is
// used only when no file can be made beside it.
bool WriteInPlace(FileLayer& files, const Text& name,
                  std::span<const std::string_view> parts) {
  const std::unique_ptr<OpenFile> file = files.CreateToWrite(name);
  if (!file) return false;
  const bool written = WriteParts(*file, parts);
  const bool closed = file->Close();
  return written && closed;
}

}  // namespace

FileContent ReadFileContent(FileLayer& files, const Text& name) {
  if (name.empty()) return {};
  const std::unique_ptr<OpenFile> file = files.OpenToRead(name);
  if (!file) {
    if (files.Examine(name) == FileKind::kMissing) return {};
    return Cut();
  }
  const std::optional<std::uint64_t> length = file->Length();
  if (!length || *length > kLongestReadable) return Cut();
  if (*length == 0) return {ByteSet(), ReadExtent::kWhole};

  std::optional<std::string> buffer = BufferOf(*length);
  if (!buffer) return Cut();
  const std::optional<std::size_t> delivered = file->Read(*buffer);
  if (!delivered) return Cut();
  buffer->resize(std::min(*delivered, buffer->size()));
  const ReadExtent extent = buffer->size() == *length ? ReadExtent::kWhole : ReadExtent::kCut;
  file->Close();
  return {ByteSet(std::move(*buffer)), extent};
}

ByteSet ReadWholeFile(FileLayer& files, const Text& name) {
  return ReadFileContent(files, name).bytes;
}

namespace detail {

bool WriteWholeFileParts(FileLayer& files, const Text& name,
                         std::span<const std::string_view> parts) {
  if (name.empty()) return false;
  // Wine running as root writes over a read-only file where Windows refuses,
  // so the attribute is checked here instead of being left to the platform.
  const FileKind kind = files.Examine(name);
  if (kind == FileKind::kReadOnlyFile || kind == FileKind::kDirectory) return false;

  const Text temporary = ConcatText(name, Text(kTemporarySuffix));
  const std::unique_ptr<OpenFile> file = files.CreateToWrite(temporary);
  if (!file) return WriteInPlace(files, name, parts);
  const bool written = WriteParts(*file, parts);
  const bool closed = file->Close();
  if (written && closed && files.Replace(temporary, name)) return true;
  files.Remove(temporary);
  return false;
}

}  // namespace detail

Text ToText(const ByteSet& bytes) { return Text(bytes.bytes()); }

ByteSet ToBytes(const Text& text) { return ByteSet(text.bytes()); }

}  // namespace quorvel
