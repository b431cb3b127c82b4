// The list file zhanghao.txt beside the executable: loaded into 编辑框2 when
// the window is created, and saved after every change of that box's text.
#pragma once

#include "storage/file_layer.h"
#include "storage/whole_file.h"
#include "text/text.h"
#include "text/text_property.h"

namespace quorvel {

// What the list handlers need besides the boxes: the run directory, fixed at
// start-up, and the files it is reached through.
class ListFile {
 public:
  // An empty run directory means it could not be determined: then no file
  // is read or written at all, rather than one at the root of the drive.
  ListFile(Text run_directory, FileLayer& files)
      : run_directory_(std::move(run_directory)), files_(&files) {}

  Text RunDirectory() const { return run_directory_; }
  FileLayer& files() const { return *files_; }

 private:
  friend void OnWindowCreated(TextProperty& boxes, ListFile& list);
  friend void OnListTextChanged(TextProperty& boxes, ListFile& list);

  Text run_directory_;
  FileLayer* files_;
  // The file as it was read, only while OnWindowCreated writes it into the
  // box and the save nested in that write runs.
  const FileContent* loading_ = nullptr;
};

// The list file's name: the run directory followed directly by
// "\zhanghao.txt"; empty when the run directory is.
Text ListFileName(const Text& run_directory);

// Handler of the main window's created event: loads the file into 编辑框2.
// The save that this write raises is skipped when it would change a file the
// box could not show whole, so such a file keeps its bytes until the user
// edits the list.
void OnWindowCreated(TextProperty& boxes, ListFile& list);

// Handler of 编辑框2's text-changed event: saves the box's whole text.
void OnListTextChanged(TextProperty& boxes, ListFile& list);

}  // namespace quorvel
