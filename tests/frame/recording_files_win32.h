// The real files, with a record of every file created for writing and the
// bytes written into it.
#pragma once

#include <memory>
#include <string>
#include <deque>

#include "storage/file_layer.h"
#include "storage/file_layer_win32.h"

namespace quorvel::testing {

class RecordingFiles : public FileLayer {
 public:
  // The content of each file created for writing, in order of creation.
  std::deque<std::string> written;  // a deque keeps each string in place

  std::unique_ptr<OpenFile> OpenToRead(const Text& name) override {
    return real_.OpenToRead(name);
  }
  std::unique_ptr<OpenFile> CreateToWrite(const Text& name) override {
    std::unique_ptr<OpenFile> file = real_.CreateToWrite(name);
    if (!file) return file;
    written.emplace_back();
    return std::make_unique<Recorded>(std::move(file), written.back());
  }
  FileKind Examine(const Text& name) override { return real_.Examine(name); }
  bool Replace(const Text& source, const Text& target) override {
    return real_.Replace(source, target);
  }
  bool Remove(const Text& name) override { return real_.Remove(name); }

 private:
  class Recorded : public OpenFile {
   public:
    Recorded(std::unique_ptr<OpenFile> file, std::string& bytes)
        : file_(std::move(file)), bytes_(bytes) {}
    std::optional<std::uint64_t> Length() override { return file_->Length(); }
    std::optional<std::size_t> Read(std::span<char> buffer) override {
      return file_->Read(buffer);
    }
    bool Write(std::string_view bytes) override {
      bytes_.append(bytes);
      return file_->Write(bytes);
    }
    bool Close() override { return file_->Close(); }

   private:
    std::unique_ptr<OpenFile> file_;
    std::string& bytes_;
  };

  FileLayer& real_ = Win32Files();
};

}  // namespace quorvel::testing
