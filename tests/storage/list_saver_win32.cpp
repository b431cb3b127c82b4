// A helper process for the tests: the tool's list file handlers, run from
// wherever the test copied this executable.
//   list_saver save-loop   saves the saved lists in turn until it is killed
//   list_saver start-edit  loads the list, then appends "!" as an edit would
#include <cstring>
#include <string>
#include <vector>

#include "storage/list_file_win32.h"
#include "storage/gbk_lists.h"

namespace quorvel {
namespace {

class OneBox : public TextProperty {
 public:
  Text GetControlText(ControlName) override { return text; }
  void SetControlText(ControlName, const Text& new_text) override {
    text = new_text;
    if (list) OnListTextChanged(*this, *list);
  }

  Text text;
  ListFile* list = nullptr;
};

int SaveLoop(ListFile& list) {
  std::vector<Text> lists;
  for (int which = 0; which < testing::kSavedListCount; ++which) {
    lists.emplace_back(testing::SavedList(which));
  }
  OneBox box;
  box.list = &list;
  for (std::size_t turn = 0;; turn = (turn + 1) % lists.size()) {
    box.SetControlText(编辑框2, lists[turn]);
  }
}

int StartThenEdit(ListFile& list) {
  OneBox box;
  box.list = &list;
  OnWindowCreated(box, list);
  box.SetControlText(编辑框2, ConcatText(box.GetControlText(编辑框2), Text("!")));
  return 0;
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
  quorvel::ListFile list = quorvel::ListFileBesideExecutable();
  if (argc == 2 && std::strcmp(argv[1], "save-loop") == 0) return quorvel::SaveLoop(list);
  if (argc == 2 && std::strcmp(argv[1], "start-edit") == 0) return quorvel::StartThenEdit(list);
  return 2;
}
