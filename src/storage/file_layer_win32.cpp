#include "storage/file_layer_win32.h"

#include <windows.h>

#include <utility>

namespace quorvel {
namespace {

class UniqueFileHandle {
 public:
  explicit UniqueFileHandle(HANDLE handle) : handle_(handle) {}
  UniqueFileHandle(UniqueFileHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueFileHandle& operator=(UniqueFileHandle&&) = delete;
  ~UniqueFileHandle() { Close(); }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

  bool Close() {
    if (!*this) return true;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
  }

 private:
  HANDLE handle_;
};

class Win32OpenFile final : public OpenFile {
 public:
  explicit Win32OpenFile(UniqueFileHandle handle) : handle_(std::move(handle)) {}

  std::optional<std::uint64_t> Length() override {
    LONG high = 0;
    // The low part of a length may itself be INVALID_SET_FILE_POINTER; only
    // the last error tells a failure.
    SetLastError(NO_ERROR);
    const DWORD low = SetFilePointer(handle_.get(), 0, &high, FILE_END);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return std::nullopt;
    if (SetFilePointer(handle_.get(), 0, nullptr, FILE_BEGIN) != 0) return std::nullopt;
    return (static_cast<std::uint64_t>(static_cast<DWORD>(high)) << 32) | low;
  }

  std::optional<std::size_t> Read(std::span<char> buffer) override {
    if (buffer.size() > MAXDWORD) return std::nullopt;
    DWORD delivered = 0;
    if (!ReadFile(handle_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &delivered,
                  nullptr)) {
      return std::nullopt;
    }
    return delivered;
  }

  bool Write(std::string_view bytes) override {
    if (bytes.size() > MAXDWORD) return false;
    DWORD stored = 0;
    return WriteFile(handle_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &stored,
                     nullptr) &&
           stored == bytes.size();
  }

  bool Close() override { return handle_.Close(); }

 private:
  UniqueFileHandle handle_;
};

std::unique_ptr<OpenFile> Open(const Text& name, DWORD access, DWORD share, DWORD disposition) {
  UniqueFileHandle handle(CreateFileA(name.c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<Win32OpenFile>(std::move(handle));
}

class Win32FileLayer final : public FileLayer {
 public:
  std::unique_ptr<OpenFile> OpenToRead(const Text& name) override {
    return Open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  }

  std::unique_ptr<OpenFile> CreateToWrite(const Text& name) override {
    return Open(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
  }

  FileKind Examine(const Text& name) override {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
      return missing ? FileKind::kMissing : FileKind::kUnknown;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileKind::kDirectory;
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileKind::kReadOnlyFile;
    return FileKind::kFile;
  }

  bool Replace(const Text& source, const Text& target) override {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const Text& name) override { return DeleteFileA(name.c_str()) != 0; }
};

}  // namespace

FileLayer& Win32Files() {
  static Win32FileLayer files;
  return files;
}

}  // namespace quorvel
