#pragma once

// A shown form with a styled grid laid out like the tool's point table, and the files and
// theme bytes the theme-file tests need.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/runtime/Files.h"
#include "platform/window/Paint.h"
#include "styled/suiGrid.h"
#include "styled/suiThemeFileWriter.h"
#include "tests/framework/ControlTestSupport.h"

namespace suiTesting {

using platform::TColor;
using suiThemes::TsuiUIStyle;

// Border, fixed background, background, fixed font and font colour: the ones a style sets.
using TStyleColours = std::array<TColor, 5>;
inline TStyleColours StyleColours(const suiGrid::TsuiStringGrid& grid) {
  return {grid.BorderColor(), grid.FixedBGColor(), grid.BGColor(), grid.FixedFontColor(),
          grid.FontColor()};
}
constexpr TStyleColours DeepBlue{0x000000, 0xA04A44, 0xE8E8E8, 0xFFFFFF, 0x000000};

class GridFixture : public framework::testing::FormFixture {
 public:
  GridFixture() {
    grid = Add<suiGrid::TsuiStringGrid>(form, 8, 16, 265, 241);
    grid->SetColCount(4);
    grid->SetRowCount(4);
  }

  // The grid's whole window as the screen shows it; the client area starts at (1, 1).
  platform::Bitmap Snapshot() {
    platform::UpdateWindow(form->Handle());
    platform::UpdateWindow(grid->Handle());
    return platform::WindowSnapshot(grid->Handle());
  }
  // A pixel inside a cell, away from its edges and its text.
  TColor CellColour(const platform::Bitmap& shot, int col, int row) const {
    const platform::TRect r = grid->CellRect(col, row);
    return shot.Pixel(r.Right - 6 + 1, r.Bottom - 4 + 1);
  }

  suiGrid::TsuiStringGrid* grid = nullptr;
};

// A folder of its own for each test process, removed at the end.
class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              (std::string("bezier_styled_") + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  int error = 0;
  ASSERT_TRUE(framework::WriteWholeFile(
      path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, error));
}

// Little-endian, each byte through a checked index: an offset past the end is an error of
// the test, and the optimiser cannot fold the four writes into one it suspects of overflowing.
inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// A theme file whose colours are all the same, to tell it from every built-in style.
inline std::vector<std::uint8_t> OneColourTheme(TColor colour) {
  using namespace suiThemeFileWriter;
  return WriteThemeFile(
      {IntegerEntry("ControlBorderColor", static_cast<std::int32_t>(colour)),
       IntegerEntry("MenuSelectedBackgroundColor", static_cast<std::int32_t>(colour)),
       IntegerEntry("ControlBackgroundColor", static_cast<std::int32_t>(colour)),
       IntegerEntry("MenuSelectedFontColor", static_cast<std::int32_t>(colour)),
       IntegerEntry("MenuFontColor", static_cast<std::int32_t>(colour))});
}

}  // namespace suiTesting
