// The save's own logic over files in memory: the replace through a file
// beside the list against writing the list in place.
#include <benchmark/benchmark.h>

#include <string>

#include "storage/gbk_lists.h"
#include "storage/memory_file_layer.h"
#include "storage/whole_file.h"

namespace quorvel {
namespace {

const Text kName("D:\\games\\zhanghao.txt");
constexpr std::size_t kListBytes = 3'000'000;

void BM_SaveThroughReplace(benchmark::State& state) {
  const ByteSet list(testing::GbkList(kListBytes));
  testing::MemoryFileLayer files;
  for (auto _ : state) {
    files.calls.clear();
    benchmark::DoNotOptimize(WriteWholeFile(files, kName, list));
  }
  state.SetBytesProcessed(state.iterations() * list.size());
}
BENCHMARK(BM_SaveThroughReplace);

void BM_WriteInPlace(benchmark::State& state) {
  const ByteSet list(testing::GbkList(kListBytes));
  testing::MemoryFileLayer files;
  for (auto _ : state) {
    files.calls.clear();
    const auto file = files.CreateToWrite(kName);
    file->Write(list.bytes());
    benchmark::DoNotOptimize(file->Close());
  }
  state.SetBytesProcessed(state.iterations() * list.size());
}
BENCHMARK(BM_WriteInPlace);

}  // namespace
}  // namespace quorvel
