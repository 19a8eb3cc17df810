#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/IniFiles.h"

// A skin folder may come from anywhere, so reading one keeps to the folder and to bounded
// sizes: names that lead out of it, an "Options.dat" too large to be a skin's and pictures
// too large to be a control's are refused before anything is decoded.
namespace sSkinManager {

inline constexpr std::uint64_t MaxOptionsBytes = std::uint64_t{4} << 20;
inline constexpr int MaxPictureSide = 8192;

// A skin folder that breaks one of the rules above; the message names the file.
class ESkinRefused : public framework::Exception {
 public:
  using Exception::Exception;
};

// "Options.dat" at path read whole; a file over MaxOptionsBytes is refused unread.
framework::TMemIniFile ReadOptionsFile(const std::string& path);

// The file of the folder (ending in '/') that a picture value names, found without regard to
// case when it is not there as written; nullopt when there is none. A name that is absolute,
// holds "..", or reaches the file through a link out of the folder is refused.
std::optional<std::string> SkinFilePath(const std::string& folder, std::string_view value);

// Refuses a picture whose header gives a side over MaxPictureSide; data that has no readable
// header is left for the decoder to refuse.
void CheckPictureSize(std::span<const std::uint8_t> data, const std::string& file);

// What was missing from the last skin loaded while a report was open: picture files that
// "Options.dat" names and sections the painters asked for, each once, in the order found.
class TsSkinReport {
 public:
  TsSkinReport();
  ~TsSkinReport();
  TsSkinReport(const TsSkinReport&) = delete;
  TsSkinReport& operator=(const TsSkinReport&) = delete;

  const std::vector<std::string>& Missing() const { return missing_; }

 private:
  friend void ReportMissing(std::string problem);
  std::vector<std::string> missing_;
  TsSkinReport* previous_;
};

// Adds a problem to the open report, if any.
void ReportMissing(std::string problem);
bool ReportOpen();

}  // namespace sSkinManager
