// A fresh directory under the temporary folder, removed with all it holds.
#pragma once

#include <windows.h>

#include <string>

namespace quorvel::testing {

inline void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

class TempDirectory {
 public:
  TempDirectory() {
    char folder[MAX_PATH];
    char unique[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "qv", 0, unique);
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  ~TempDirectory() { RemoveTree(path_); }

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace quorvel::testing
