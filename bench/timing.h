// Timing shared by the benchmark programs of both builds.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace quorvel::bench {

template <typename Work>
double Seconds(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace quorvel::bench
