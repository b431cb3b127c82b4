// Timing for the benchmark programs of the Windows build.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace quorvel::bench {

inline double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

inline double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace quorvel::bench
