#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/BezierSurface.h"

// Point-table text files: the header "MxN", then one "X Y Z" line per control point, every
// line ended by CR LF.
namespace Bezier {

// The point lines of the last opened file.
using MatD = std::vector<std::string>;

// The largest table the tool holds, in points (m x n).
inline constexpr std::int32_t MaxPointCount = 10000;

struct THeaderTexts {
  std::string M;  // before the first "x"
  std::string N;  // after it, to the end of the line
};
THeaderTexts SplitHeader(std::string_view line);

struct TPointTexts {
  std::string X;  // before the first blank
  std::string Y;  // between the first and the second blank
  std::string Z;  // after the second blank, to the end of the line
};
TPointTexts SplitPointLine(std::string_view line);

// m x n when it lies in 1..MaxPointCount; otherwise EConvertError naming both counts.
std::int32_t CheckedPointCount(std::int32_t m, std::int32_t n);

// m x n from the count texts with the framework's integer conversion (EConvertError for a
// text that is not an integer); a product below 1 or above MaxPointCount raises EConvertError
// with a message that names both counts.
std::int32_t PointCountOf(const std::string& mText, const std::string& nText);

// The message of a table with a missing point line or an empty X, Y or Z cell.
inline constexpr std::string_view IncompleteTableMessage =
    "Cek Seluruh Input yang harus diisi ... !";

struct TPointTable {
  std::int32_t M = 0;
  std::int32_t N = 0;
  MatA Points;  // sized for M x N
};
// The table of a point file's lines (header first) as Open and the draw command take it: the
// counts from the header, then the first m x n point lines (later ones are ignored). A missing
// line or an empty cell raises framework::Exception(IncompleteTableMessage) before any cell is
// converted; then every cell is converted in table order (EConvertError).
TPointTable ReadPointTable(const std::vector<std::string>& lines);

// The bytes of a point file holding lines: each line followed by CR LF.
std::string PointFileText(const std::vector<std::string>& lines);
// Writes the file so that a failed save leaves the previous file intact and nothing beside
// it; failure raises EFCreateError "Cannot create file "%s". %s".
void SavePointFile(const std::string& fileName, const std::vector<std::string>& lines);

}  // namespace Bezier
