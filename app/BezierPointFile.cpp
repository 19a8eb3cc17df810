#include "app/BezierPointFile.h"

#include <cstddef>

#include "app/export/SaveFile.h"
#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"

namespace Bezier {

namespace {

constexpr char Blank = ' ';

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
  SaveFileData(fileName, PointFileText(lines));
}

}  // namespace Bezier
