// Point files come from anywhere: any bytes give a table or a clear error, and the table's net,
// however wild its coordinates, draws without walking the whole plane.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

#include "app/BezierPointFile.h"
#include "app/BezierSurface.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// The runtime's text reader takes a file name; a file in memory keeps the runs off the disk.
class TMemoryFile {
 public:
  TMemoryFile() : fd_(::memfd_create("pointfile", MFD_CLOEXEC)) {
    if (fd_ < 0) std::abort();
  }
  std::string Hold(const std::uint8_t* data, std::size_t size) const {
    if (::ftruncate(fd_, 0) != 0) std::abort();
    if (size > 0 && ::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    return "/proc/self/fd/" + std::to_string(fd_);
  }

 private:
  int fd_;
};

void CheckSplits(const std::string& line) {
  const Bezier::TPointTexts point = Bezier::SplitPointLine(line);
  const std::string joined = point.X + ' ' + point.Y + ' ' + point.Z;
  if (point.X.size() + point.Y.size() + point.Z.size() > line.size()) std::abort();
  if (line.find(' ', line.find(' ') + 1) != std::string::npos && joined != line) std::abort();
  const Bezier::THeaderTexts header = Bezier::SplitHeader(line);
  if (line.find('x') != std::string::npos && header.M + 'x' + header.N != line) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const TMemoryFile file;
  const std::string name = file.Hold(data, size);
  const std::vector<std::string> lines = framework::ReadTextFileLines(name);
  for (const std::string& line : lines) CheckSplits(line);

  // Saving what was read and reading it back gives the same lines.
  const std::string text = Bezier::PointFileText(lines);
  const std::string again =
      file.Hold(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (framework::ReadTextFileLines(again) != lines) std::abort();

  try {
    const Bezier::TPointTable table = Bezier::ReadPointTable(lines);
    static platform::Bitmap picture(64, 48);
    platform::Canvas area(picture);
    Bezier::DrawNet(area, table.M - 1, table.N - 1, table.Points);
  } catch (const framework::Exception&) {
  }
  return 0;
}
