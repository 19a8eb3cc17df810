#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

// A command's failure names the file it is about and the reason, in the same words whichever
// command meets it.
namespace Bezier::cli {

class TFailure : public std::runtime_error {
 public:
  TFailure(std::string file, const std::string& reason)
      : std::runtime_error(reason), file_(std::move(file)) {}
  const std::string& File() const { return file_; }

 private:
  std::string file_;
};

// The whole content of an input file; any failure throws TFailure naming it ("does not exist",
// "is a folder", or the system's reason).
std::string ReadInputFile(const std::string& path);

// Creates or replaces an output file whole (nothing is left behind on failure); any failure
// throws TFailure naming it.
void WriteOutputFile(const std::string& path, std::span<const std::uint8_t> data);

}  // namespace Bezier::cli
