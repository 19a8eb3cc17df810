#pragma once

#include "framework/controls/StringGrid.h"
#include "platform/graphics/Color.h"
#include "styled/suiFileTheme.h"
#include "styled/suiThemes.h"

namespace suiGrid {

using suiThemes::TsuiUIStyle;

// The framework's string grid in the colours of a UI style: cells painted by state in the
// grid's own colours, each of which can also be set alone, and a one-pixel frame round the
// whole window. It has no 3-D look.
class TsuiStringGrid : public framework::TStringGrid {
 public:
  // The grid is always flat, which is also Ctl3D's declared default, so it is never stored.
  static constexpr bool DefaultCtl3D = false;

  explicit TsuiStringGrid(framework::TComponent* owner);

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Setting it (even to the same theme) applies UIStyle again.
  suiFileTheme::TsuiFileTheme* FileTheme() const { return fileTheme_; }
  void SetFileTheme(suiFileTheme::TsuiFileTheme* theme);
  // Setting it takes the five style colours from the style (or the file theme).
  TsuiUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TsuiUIStyle style);

  // The background of normal cells: the grid's Color.
  platform::TColor BGColor() const { return Color(); }
  void SetBGColor(platform::TColor color) { SetColor(color); }
  platform::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(platform::TColor color);
  platform::TColor FocusedColor() const { return focusedColor_; }
  void SetFocusedColor(platform::TColor color);
  platform::TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(platform::TColor color);
  platform::TColor FixedFontColor() const { return fixedFontColor_; }
  void SetFixedFontColor(platform::TColor color);
  // The background of fixed cells: the grid's FixedColor.
  platform::TColor FixedBGColor() const { return FixedColor(); }
  void SetFixedBGColor(platform::TColor color) { SetFixedColor(color); }
  // The colour of the grid's font.
  platform::TColor FontColor() const { return Font()->Color(); }
  void SetFontColor(platform::TColor color);

  bool Ctl3D() const override { return DefaultCtl3D; }

 protected:
  void DrawCell(int col, int row, framework::TRect rect, framework::TGridDrawState state) override;
  void Paint() override;
  void WndProc(framework::TMessage& message) override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  // A stored Ctl3D is accepted and leaves the grid flat.
  void KeepFlat(bool /*ctl3D*/) {}
  void SetOwnColor(platform::TColor& field, platform::TColor color);

  suiFileTheme::TsuiFileTheme* fileTheme_ = nullptr;
  TsuiUIStyle uiStyle_ = suiThemes::DefaultUIStyle;
  platform::TColor borderColor_ = platform::clBlack;
  platform::TColor focusedColor_ = platform::clLime;
  platform::TColor selectedColor_ = platform::clYellow;
  platform::TColor fixedFontColor_ = platform::clWhite;
};

}  // namespace suiGrid
