#pragma once

// A benchmark's own settings folder, gone at the end: what a benchmark remembers (a skin, the
// 3-D view's place) never reaches the user's settings nor the next run.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace benchsupport {

class TBenchSettings {
 public:
  TBenchSettings()
      : folder_(std::filesystem::temp_directory_path() /
                ("bezier_bench_" + std::to_string(::getpid()))) {
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }
  ~TBenchSettings() { std::filesystem::remove_all(folder_); }
  TBenchSettings(const TBenchSettings&) = delete;
  TBenchSettings& operator=(const TBenchSettings&) = delete;

 private:
  std::filesystem::path folder_;
};

}  // namespace benchsupport
