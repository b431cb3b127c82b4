// The few file operations that loading and saving the list need, as a seam:
// KERNEL32 in the program, an in-memory file store with faults in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "text/text.h"

namespace quorvel {

// What a name stands for on disk, as far as replacing it is concerned.
enum class FileKind {
  kMissing,       // nothing of that name (or no such directory)
  kFile,          // a file that may be written
  kReadOnlyFile,  // a file whose read-only attribute is set
  kDirectory,
  kUnknown,       // the platform would not say
};

// One open file. Destroying it closes the file if Close was not called.
class OpenFile {
 public:
  virtual ~OpenFile() = default;

  // The file's whole length, learned by moving to its end and back to its
  // start; nullopt when the platform can't tell.
  virtual std::optional<std::uint64_t> Length() = 0;

  // One read request into `buffer`: the count of bytes delivered, which may
  // be fewer than asked, or nullopt when the read fails.
  virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;

  // One write request: true only when every byte was stored.
  virtual bool Write(std::string_view bytes) = 0;

  // False when closing fails; the file is closed either way.
  virtual bool Close() = 0;
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // Opens an existing file; others may read it meanwhile, but not write it.
  // Null when the file can't be opened.
  virtual std::unique_ptr<OpenFile> OpenToRead(const Text& name) = 0;

  // Creates the file, or cuts an existing one to length 0; no other opener
  // is admitted while it is open. Null when it can't be created or opened.
  virtual std::unique_ptr<OpenFile> CreateToWrite(const Text& name) = 0;

  virtual FileKind Examine(const Text& name) = 0;

  // Puts `source` in the place of `target` in one step, so that any reader
  // sees either the whole old or the whole new file.
  virtual bool Replace(const Text& source, const Text& target) = 0;

  virtual bool Remove(const Text& name) = 0;
};

}  // namespace quorvel
