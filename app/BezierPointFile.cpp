#include "app/BezierPointFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstddef>

#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Format.h"

namespace Bezier {

namespace {

constexpr char Blank = ' ';

// Creates a file that did not exist beside fileName, so that nobody else's file is overwritten.
int CreateBeside(const std::string& fileName, std::string& tempName) {
  for (int attempt = 0;; ++attempt) {
    tempName = fileName + '.' + std::to_string(::getpid()) + '.' + std::to_string(attempt) + ".tmp";
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt == 99) return fd;
  }
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A replaced file keeps its permissions; a new one gets the default ones.
bool KeepMode(int fd, const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
  return ::fchmod(fd, info.st_mode & 07777) == 0;
}

}  // namespace

THeaderTexts SplitHeader(std::string_view line) {
  const std::size_t x = line.find('x');
  if (x == std::string_view::npos) return {"", std::string(line)};
  return {std::string(line.substr(0, x)), std::string(line.substr(x + 1))};
}

TPointTexts SplitPointLine(std::string_view line) {
  const std::size_t first = line.find(Blank);
  if (first == std::string_view::npos) return {"", "", std::string(line)};
  const std::size_t second = line.find(Blank, first + 1);
  if (second == std::string_view::npos) {
    return {std::string(line.substr(0, first)), "", std::string(line.substr(first + 1))};
  }
  return {std::string(line.substr(0, first)),
          std::string(line.substr(first + 1, second - first - 1)),
          std::string(line.substr(second + 1))};
}

std::int32_t CheckedPointCount(std::int32_t m, std::int32_t n) {
  const std::int64_t count = std::int64_t{m} * n;
  if (count < 1 || count > MaxPointCount) {
    throw framework::EConvertError(framework::Format(
        "The table size %d x %d is not valid (1 to %d points)", {m, n, MaxPointCount}));
  }
  return static_cast<std::int32_t>(count);
}

std::int32_t PointCountOf(const std::string& mText, const std::string& nText) {
  const std::int32_t m = framework::StrToInt(mText);
  return CheckedPointCount(m, framework::StrToInt(nText));
}

TPointTable ReadPointTable(const std::vector<std::string>& lines) {
  const THeaderTexts header = SplitHeader(lines.empty() ? std::string_view() : lines[0]);
  const std::int32_t m = framework::StrToInt(header.M);
  const std::int32_t n = framework::StrToInt(header.N);
  const std::int32_t count = CheckedPointCount(m, n);
  std::vector<TPointTexts> cells;
  for (std::int32_t r = 1; r <= count; ++r) {
    if (static_cast<std::size_t>(r) >= lines.size()) {
      throw framework::Exception(std::string(IncompleteTableMessage));
    }
    TPointTexts& point = cells.emplace_back(SplitPointLine(lines[r]));
    if (point.X.empty() || point.Y.empty() || point.Z.empty()) {
      throw framework::Exception(std::string(IncompleteTableMessage));
    }
  }

  TPointTable table{m, n, {}};
  SizePoints(table.Points, table.M, table.N);
  auto point = cells.begin();
  for (std::int32_t a = 0; a < table.M; ++a) {
    for (std::int32_t b = 0; b < table.N; ++b, ++point) {
      table.Points[a][b] = {framework::StrToInt(point->X), framework::StrToInt(point->Y),
                            framework::StrToInt(point->Z)};
    }
  }
  return table;
}

std::string PointFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

void SavePointFile(const std::string& fileName, const std::vector<std::string>& lines) {
  std::string tempName;
  const int fd = CreateBeside(fileName, tempName);
  if (fd < 0) throw framework::EFCreateError(fileName, framework::SysErrorMessage(errno));
  int error = 0;
  if (!WriteAll(fd, PointFileText(lines)) || !KeepMode(fd, fileName) || ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(tempName.c_str(), fileName.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(tempName.c_str());
    throw framework::EFCreateError(fileName, framework::SysErrorMessage(error));
  }
}

}  // namespace Bezier
