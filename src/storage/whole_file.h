// Reading and writing a file whole, and the conversions between the file's
// bytes and the list box's text.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "storage/file_layer.h"
#include "text/text.h"

namespace quorvel {

// How much of a file a read took.
enum class ReadExtent {
  kWhole,    // the bytes are the file's entire content (maybe none)
  kMissing,  // there was no file of that name, or no name at all
  kCut,      // the file is there but was not read whole
};

struct FileContent {
  ByteSet bytes;
  ReadExtent extent = ReadExtent::kMissing;
};

// The file's content, with how much of it was read. Every failure gives
// empty bytes; a short read keeps the bytes delivered.
FileContent ReadFileContent(FileLayer& files, const Text& name);

// The file's whole content; empty when the file is empty or anything fails.
ByteSet ReadWholeFile(FileLayer& files, const Text& name);

namespace detail {
bool WriteWholeFileParts(FileLayer& files, const Text& name,
                         std::span<const std::string_view> parts);
}  // namespace detail

// Makes the named file hold exactly the given bytes, in order, and tells
// whether it does. The new content is written beside the file and then put
// in its place in one step, so a failure or a killed process leaves the old
// content whole. Only where no file can be made beside it is the file
// written in place. A read-only file, or a directory of that name, is left
// alone.
template <typename... More>
bool WriteWholeFile(FileLayer& files, const Text& name, const ByteSet& first,
                    const More&... more) {
  const std::array<std::string_view, 1 + sizeof...(More)> parts{first.bytes(),
                                                                more.bytes()...};
  return detail::WriteWholeFileParts(files, name, parts);
}

// The bytes before the first zero byte; no code page or line-end conversion.
Text ToText(const ByteSet& bytes);

// The text's bytes, without a terminator.
ByteSet ToBytes(const Text& text);

}  // namespace quorvel
