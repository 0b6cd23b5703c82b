// Timing and reporting for the benchmarks: a monotonic clock, medians, and
// one Markdown table row per figure, which tools/bench collects.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace ombrela::bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t{};
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

inline std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof(text), format, value);
  return text;
}

inline std::string Milliseconds(double seconds) {
  return Format(seconds < 0.01 ? "%.3f ms" : "%.1f ms", seconds * 1000);
}

// | figure | measured | baseline | ratio | goal | verdict |; a figure without
// a goal ("-") gets no verdict.
inline void Row(const std::string& figure, const std::string& measured, const std::string& baseline,
                const std::string& ratio, const std::string& goal, bool met) {
  std::printf("| %s | %s | %s | %s | %s | %s |\n", figure.c_str(), measured.c_str(),
              baseline.c_str(), ratio.c_str(), goal.c_str(),
              goal == "-" ? "-"
              : met       ? "met"
                          : "**missed**");
  std::fflush(stdout);
}

}  // namespace ombrela::bench
