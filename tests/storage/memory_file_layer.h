// Files held in memory, with faults to switch on, for running the list file
// logic and its handlers without the platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "storage/file_layer.h"

namespace quorvel::testing {

class MemoryFileLayer : public FileLayer {
 public:
  struct Entry {
    std::string bytes;
    bool read_only = false;
    bool directory = false;
    bool held_open = false;  // by another program, with no sharing
  };

  // Each fault holds for every call until it is switched off again.
  struct Faults {
    bool open_to_read = false;
    bool length = false;
    std::optional<std::uint64_t> length_reported;  // instead of the true length
    bool read = false;
    std::optional<std::size_t> read_delivers;  // at most this many bytes per read
    std::set<std::string> create;              // names that can't be created
    std::optional<std::size_t> write_stores;   // stores this many bytes, then fails
    bool close = false;                        // the file is closed all the same
    bool replace = false;
    bool remove = false;
    bool ignores_read_only = false;            // as Wine running as root does
  };

  std::map<std::string, Entry> entries;
  Faults fail;
  std::vector<std::string> calls;  // "OpenToRead <name>", ... in order
  int open_files = 0;

  void Store(const std::string& name, const std::string& bytes) { entries[name].bytes = bytes; }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : entries) names.push_back(name);
    return names;
  }

  std::unique_ptr<OpenFile> OpenToRead(const Text& name) override {
    const std::string key(name.bytes());
    calls.push_back("OpenToRead " + key);
    const auto found = entries.find(key);
    if (fail.open_to_read || found == entries.end() || found->second.directory ||
        found->second.held_open || writing_.contains(key)) {
      return nullptr;
    }
    return std::make_unique<MemoryOpenFile>(*this, key, /*writing=*/false);
  }

  std::unique_ptr<OpenFile> CreateToWrite(const Text& name) override {
    const std::string key(name.bytes());
    calls.push_back("CreateToWrite " + key);
    if (fail.create.contains(key) || writing_.contains(key)) return nullptr;
    const auto found = entries.find(key);
    if (found != entries.end()) {
      const Entry& entry = found->second;
      if (entry.directory || entry.held_open) return nullptr;
      if (entry.read_only && !fail.ignores_read_only) return nullptr;
    }
    entries[key].bytes.clear();
    return std::make_unique<MemoryOpenFile>(*this, key, /*writing=*/true);
  }

  FileKind Examine(const Text& name) override {
    const std::string key(name.bytes());
    calls.push_back("Examine " + key);
    const auto found = entries.find(key);
    if (found == entries.end()) return FileKind::kMissing;
    if (found->second.directory) return FileKind::kDirectory;
    if (found->second.read_only) return FileKind::kReadOnlyFile;
    return FileKind::kFile;
  }

  bool Replace(const Text& source, const Text& target) override {
    const std::string from(source.bytes());
    const std::string to(target.bytes());
    calls.push_back("Replace " + from + " " + to);
    const auto found = entries.find(from);
    if (fail.replace || found == entries.end() || writing_.contains(from) ||
        writing_.contains(to)) {
      return false;
    }
    if (const auto old = entries.find(to); old != entries.end()) {
      const Entry& entry = old->second;
      if (entry.directory || entry.held_open) return false;
      if (entry.read_only && !fail.ignores_read_only) return false;
    }
    Entry moved = std::move(found->second);
    entries.erase(found);
    entries[to] = std::move(moved);
    return true;
  }

  bool Remove(const Text& name) override {
    const std::string key(name.bytes());
    calls.push_back("Remove " + key);
    if (fail.remove || writing_.contains(key)) return false;
    return entries.erase(key) == 1;
  }

 private:
  class MemoryOpenFile final : public OpenFile {
   public:
    MemoryOpenFile(MemoryFileLayer& layer, std::string name, bool writing)
        : layer_(layer), name_(std::move(name)), writing_(writing) {
      ++layer_.open_files;
      if (writing_) layer_.writing_.insert(name_);
    }
    ~MemoryOpenFile() override { Close(); }

    std::optional<std::uint64_t> Length() override {
      if (layer_.fail.length) return std::nullopt;
      if (layer_.fail.length_reported) return *layer_.fail.length_reported;
      return layer_.entries[name_].bytes.size();
    }

    std::optional<std::size_t> Read(std::span<char> buffer) override {
      layer_.calls.push_back("Read " + name_);
      if (layer_.fail.read) return std::nullopt;
      const std::string& bytes = layer_.entries[name_].bytes;
      std::size_t count = std::min(buffer.size(), bytes.size());
      if (layer_.fail.read_delivers) count = std::min(count, *layer_.fail.read_delivers);
      std::copy_n(bytes.begin(), count, buffer.begin());
      return count;
    }

    bool Write(std::string_view bytes) override {
      layer_.calls.push_back("Write " + name_);
      std::string& stored = layer_.entries[name_].bytes;
      if (layer_.fail.write_stores) {
        stored.append(bytes.substr(0, *layer_.fail.write_stores));
        return false;
      }
      stored.append(bytes);
      return true;
    }

    bool Close() override {
      if (closed_) return true;
      closed_ = true;
      --layer_.open_files;
      if (writing_) layer_.writing_.erase(name_);
      layer_.calls.push_back("Close " + name_);
      return !layer_.fail.close;
    }

   private:
    MemoryFileLayer& layer_;
    std::string name_;
    bool writing_;
    bool closed_ = false;
  };

  std::set<std::string> writing_;  // names open for writing, which no one else may open
};

}  // namespace quorvel::testing
