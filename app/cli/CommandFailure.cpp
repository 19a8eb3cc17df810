#include "app/cli/CommandFailure.h"

#include <cerrno>
#include <string_view>

#include "framework/runtime/Files.h"
#include "platform/kernel/Files.h"

namespace Bezier::cli {

namespace {

// Plain words for the failures a user meets most; the system's own text for the rest.
struct TReason {
  int Code;
  std::string_view Reading;
  std::string_view Writing;
};
constexpr TReason Reasons[] = {
    {ENOENT, "does not exist", "is in a folder that does not exist"},
    {EISDIR, "is a folder", "is a folder"},
};

std::string FileReason(int code, bool writing) {
  for (const TReason& reason : Reasons)
    if (reason.Code == code) return std::string(writing ? reason.Writing : reason.Reading);
  return platform::FileErrorText(code);
}

}  // namespace

std::string ReadInputFile(const std::string& path) {
  try {
    return platform::ReadTextFile(path, framework::MaxFileSize);
  } catch (const platform::FileError& e) {
    throw TFailure(path, FileReason(e.Code(), false));
  }
}

void WriteOutputFile(const std::string& path, std::span<const std::uint8_t> data) {
  try {
    platform::WriteBinaryFile(path, data);
  } catch (const platform::FileError& e) {
    throw TFailure(path, FileReason(e.Code(), true));
  }
}

}  // namespace Bezier::cli
