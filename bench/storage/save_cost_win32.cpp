// What the atomic replace costs on real files: one save of a 3 MB list
// against a plain write of the same bytes to a new file, printed as ratios
// of medians over interleaved rounds.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "storage/file_layer_win32.h"
#include "storage/gbk_lists.h"
#include "storage/real_files_win32.h"
#include "storage/temp_directory_win32.h"
#include "storage/whole_file.h"
#include "timing.h"

namespace quorvel {
namespace {

using bench::Median;
using bench::Seconds;

constexpr int kRounds = 41;
constexpr std::size_t kListBytes = 3'000'000;

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  const testing::TempDirectory directory;
  const std::string list = testing::GbkList(kListBytes);
  const std::string list_path = directory.path() + "\\zhanghao.txt";
  const std::string new_path = directory.path() + "\\plain.txt";
  const Text list_name(list_path);
  const ByteSet bytes(list);
  testing::PutFile(list_path, list);

  std::vector<double> plain, in_place, replace;
  for (int round = 0; round < kRounds; ++round) {
    DeleteFileA(new_path.c_str());
    plain.push_back(Seconds([&] { testing::PutFile(new_path, list); }));
    in_place.push_back(Seconds([&] { testing::PutFile(list_path, list); }));
    replace.push_back(Seconds([&] { WriteWholeFile(Win32Files(), list_name, bytes); }));
  }

  const double base = Median(plain);
  std::printf("3 MB list, median of %d rounds, against a plain write to a new file:\n", kRounds);
  std::printf("  save through a replace       %.2f\n", Median(replace) / base);
  std::printf("  write over the list in place %.2f\n", Median(in_place) / base);
  std::printf("save through a replace against a write in place: %.2f\n",
              Median(replace) / Median(in_place));
  return 0;
}
