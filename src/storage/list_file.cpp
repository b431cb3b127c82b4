#include "storage/list_file.h"

namespace quorvel {
namespace {

constexpr std::string_view kListFileName = "\\zhanghao.txt";

// Whether the save nested in the load may write `bytes`: only over a missing
// file, or over one that was read whole and came back from the box unchanged
// (a zero byte cuts the text; the box turns a lone lead byte into "?").
bool MayOverwrite(const FileContent& loaded, const ByteSet& bytes) {
  switch (loaded.extent) {
    case ReadExtent::kMissing:
      return true;
    case ReadExtent::kWhole:
      return loaded.bytes == bytes;
    case ReadExtent::kCut:
      return false;
  }
  return false;
}

}  // namespace

Text ListFileName(const Text& run_directory) {
  if (run_directory.empty()) return Text();
  return ConcatText(run_directory, Text(kListFileName));
}

void OnWindowCreated(TextProperty& boxes, ListFile& list) {
  const FileContent loaded = ReadFileContent(list.files(), ListFileName(list.RunDirectory()));
  const Text text = ToText(loaded.bytes);
  struct Unmark {
    const FileContent*& mark;
    ~Unmark() { mark = nullptr; }
  } unmark{list.loading_};
  list.loading_ = &loaded;
  boxes.SetControlText(编辑框2, text);
}

void OnListTextChanged(TextProperty& boxes, ListFile& list) {
  const Text name = ListFileName(list.RunDirectory());
  const ByteSet bytes = ToBytes(boxes.GetControlText(编辑框2));
  if (list.loading_ && !MayOverwrite(*list.loading_, bytes)) return;
  WriteWholeFile(list.files(), name, bytes);
}

}  // namespace quorvel
