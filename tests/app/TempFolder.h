#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>
#include <sys/wait.h>

namespace Bezier::tempfiles {

// A fresh folder of its own for each test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "bezierapp_XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    EXPECT_FALSE(path_.empty());
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                  std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream(fileName, std::ios::binary) << bytes;
}

// Runs a program with the arguments, its error output going to the file errors; its exit code.
inline int RunProgram(const std::string& program, const std::string& arguments,
                      const std::string& errors) {
  const int status = std::system((program + " " + arguments + " 2>" + errors).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace Bezier::tempfiles
