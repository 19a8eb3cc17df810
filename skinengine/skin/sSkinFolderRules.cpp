#include "skinengine/skin/sSkinFolderRules.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"
#include "platform/Error.h"
#include "platform/graphics/BmpFile.h"
#include "platform/graphics/Jpeg.h"
#include "platform/kernel/Files.h"

namespace sSkinManager {

namespace fs = std::filesystem;

namespace {

TsSkinReport* openReport = nullptr;

[[noreturn]] void RefuseName(std::string_view value) {
  throw ESkinRefused("nama gambar \"" + std::string(value) + "\" menunjuk ke luar folder skin");
}

// Skins were made where file names ignore case, so a name that is not there as written may
// still match one file of its folder.
std::optional<std::string> FindIgnoringCase(const std::string& path) {
  if (framework::FileExists(path)) return path;
  const fs::path wanted(path);
  std::error_code error;
  for (fs::directory_iterator it(wanted.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const fs::path& candidate = it->path();
    if (framework::SameText(candidate.filename().string(), wanted.filename().string()) &&
        framework::FileExists(candidate.string()))
      return candidate.string();
  }
  return std::nullopt;
}

// Whether path lies inside folder, both already free of links and dots.
bool Inside(const fs::path& path, const fs::path& folder) {
  return std::ranges::mismatch(folder, path).in1 == folder.end();
}

}  // namespace

framework::TMemIniFile ReadOptionsFile(const std::string& path) {
  framework::TMemIniFile ini;
  try {
    ini.SetText(platform::ReadTextFile(path, MaxOptionsBytes));
  } catch (const platform::FileError& e) {
    if (e.Code() == EFBIG) throw ESkinRefused("\"" + path + "\" lebih besar dari 4 MB");
    throw framework::EFOpenError(path, framework::SysErrorMessage(e.Code()));
  }
  return ini;
}

std::optional<std::string> SkinFilePath(const std::string& folder, std::string_view value) {
  std::string name(value);
  std::ranges::replace(name, '\\', '/');
  if (name.starts_with('/') || name.find(':') != std::string::npos) RefuseName(value);
  const fs::path relative(name);
  if (std::ranges::any_of(relative, [](const fs::path& part) { return part == ".."; }))
    RefuseName(value);
  std::optional<std::string> file = FindIgnoringCase(folder + name);
  if (!file) return std::nullopt;
  std::error_code error;
  const fs::path real = fs::canonical(*file, error);
  if (error) return std::nullopt;
  const fs::path root = fs::canonical(folder, error);
  if (error || !Inside(real, root)) RefuseName(value);
  return file;
}

void CheckPictureSize(std::span<const std::uint8_t> data, const std::string& file) {
  platform::TSize size{};
  try {
    const bool bmp = data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
    size = bmp ? platform::BmpSize(data) : platform::JpegSize(data);
  } catch (const platform::Error&) {
    return;
  }
  if (size.cx > MaxPictureSide || size.cy > MaxPictureSide)
    throw ESkinRefused("gambar \"" + file + "\" berukuran " + std::to_string(size.cx) + " x " +
                       std::to_string(size.cy) + ", lebih besar dari 8192 x 8192");
}

TsSkinReport::TsSkinReport() : previous_(openReport) {
  openReport = this;
}

TsSkinReport::~TsSkinReport() {
  openReport = previous_;
}

bool ReportOpen() {
  return openReport != nullptr;
}

void ReportMissing(std::string problem) {
  if (!openReport || std::ranges::find(openReport->missing_, problem) != openReport->missing_.end())
    return;
  openReport->missing_.push_back(std::move(problem));
}

}  // namespace sSkinManager
