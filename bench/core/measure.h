// Timing helpers shared by the benchmarks: best of five runs, printed as a
// ratio to a baseline measured in the same run.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "app/form1.h"

namespace vantiro::bench {

inline double BestSeconds(const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

inline void Report(const char* what, int count, const char* of, double seconds,
                   const char* baseline, double baselineSeconds) {
  std::printf("%s, %6d %s: %8.2f ms, %s %8.2f ms, ratio %.2f\n", what, count, of, seconds * 1e3,
              baseline, baselineSeconds * 1e3, seconds / baselineSeconds);
}

// The measurements, one line of output each size.
void OpenFolder(int subFolders);
void ListFiles(int files);
void ListHtmlFiles(int files, std::size_t bytesEach);

}  // namespace vantiro::bench
