#include "framework/runtime/TextFile.h"

#include <cerrno>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"

namespace framework {

namespace {

constexpr int ReadFailed = 100;

// The runtime's classic error number for the system's, or 0 when it has none.
int InOutCode(int error) {
  switch (error) {
    case ENOENT:
      return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
      return 5;
    case ENOSPC:
      return 101;
    default:
      return 0;
  }
}

// A read that failed for a reason without a classic number is the classic read error, with
// the system's reason as its message: an I/O error is not "access denied".
EInOutError ReadError(int error) {
  const int code = InOutCode(error);
  return code != 0 ? EInOutError(code) : EInOutError(ReadFailed, SysErrorMessage(error));
}

}  // namespace

std::vector<std::string> ReadTextFileLines(const std::string& fileName) {
  int error = 0;
  std::optional<std::string> data = ReadWholeFile(fileName, error);
  if (!data) throw ReadError(error);
  return SplitTextLines(*data);
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  text = text.substr(0, text.find('\x1A'));
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r') && end != std::string_view::npos) line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

}  // namespace framework
