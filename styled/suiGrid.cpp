#include "styled/suiGrid.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/window/MessageParams.h"
#include "platform/window/Messages.h"
#include "styled/suiMgr.h"

namespace suiGrid {

using platform::TColor;

TsuiStringGrid::TsuiStringGrid(framework::TComponent* owner) : TStringGrid(owner) {
  SetBorderStyle(framework::bsNone);
  // The band that the frame is drawn on.
  SetBorderWidth(1);
  SetUIStyle(suiMgr::GetDefaultUIStyle(owner));
  SetCtl3D(DefaultCtl3D);
}

const framework::TClassInfo& TsuiStringGrid::StaticClassInfo() {
  using G = TsuiStringGrid;
  using framework::NoDefault;
  static const framework::TClassInfo info =
      framework::TClassBuilder<G, framework::TStringGrid>("TsuiStringGrid")
          .Bool("Ctl3D", &G::Ctl3D, &G::KeepFlat, G::DefaultCtl3D)
          .Component("FileTheme", &G::FileTheme, &G::SetFileTheme)
          .Enum("UIStyle", suiThemes::UIStyleType, &G::UIStyle, &G::SetUIStyle, NoDefault)
          .Color("BGColor", &G::BGColor, &G::SetBGColor, NoDefault)
          .Color("BorderColor", &G::BorderColor, &G::SetBorderColor, NoDefault)
          .Color("FocusedColor", &G::FocusedColor, &G::SetFocusedColor, NoDefault)
          .Color("SelectedColor", &G::SelectedColor, &G::SetSelectedColor, NoDefault)
          .Color("FixedFontColor", &G::FixedFontColor, &G::SetFixedFontColor, NoDefault)
          .Color("FixedBGColor", &G::FixedBGColor, &G::SetFixedBGColor, NoDefault)
          .Color("FontColor", &G::FontColor, &G::SetFontColor, NoDefault)
          .Build();
  return info;
}

void TsuiStringGrid::SetFileTheme(suiFileTheme::TsuiFileTheme* theme) {
  if (theme != fileTheme_) {
    if (fileTheme_) fileTheme_->RemoveFreeNotification(this);
    fileTheme_ = theme;
    if (fileTheme_) fileTheme_->FreeNotification(this);
  }
  SetUIStyle(uiStyle_);
}

void TsuiStringGrid::SetUIStyle(TsuiUIStyle style) {
  uiStyle_ = style;
  TsuiUIStyle builtIn = style;
  const bool fromFile = suiMgr::UseFileTheme(fileTheme_, style, builtIn);
  auto entry = [&](int index) {
    return fromFile ? fileTheme_->GetColor(index) : suiThemes::GetThemeColor(builtIn, index);
  };
  SetBorderColor(entry(suiThemes::ControlBorderColorEntry));
  SetFixedBGColor(entry(suiThemes::MenuSelectedBackgroundColorEntry));
  SetBGColor(entry(suiThemes::ControlBackgroundColorEntry));
  SetFixedFontColor(entry(suiThemes::MenuSelectedFontColorEntry));
  SetFontColor(entry(suiThemes::MenuFontColorEntry));
}

void TsuiStringGrid::SetOwnColor(TColor& field, TColor color) {
  if (color == field) return;
  field = color;
  Invalidate();
}

void TsuiStringGrid::SetBorderColor(TColor color) {
  SetOwnColor(borderColor_, color);
}

void TsuiStringGrid::SetFocusedColor(TColor color) {
  SetOwnColor(focusedColor_, color);
}

void TsuiStringGrid::SetSelectedColor(TColor color) {
  SetOwnColor(selectedColor_, color);
}

void TsuiStringGrid::SetFixedFontColor(TColor color) {
  SetOwnColor(fixedFontColor_, color);
}

void TsuiStringGrid::SetFontColor(TColor color) {
  if (color == Font()->Color()) return;
  Font()->SetColor(color);
  Invalidate();
}

void TsuiStringGrid::DrawCell(int col, int row, framework::TRect rect,
                              framework::TGridDrawState state) {
  using namespace framework;
  if (DefaultDrawing()) {
    TCanvas& canvas = *Canvas();
    if (!state.Contains(gdFixed)) {
      TColor fill = BGColor();
      if (state.Contains(gdSelected)) fill = selectedColor_;
      if (state.Contains(gdFocused)) fill = focusedColor_;
      canvas.Brush()->SetColor(fill);
      canvas.FillRect(rect);
    } else {
      // The base grid has filled the cell with FixedBGColor already.
      canvas.Font()->SetColor(fixedFontColor_);
      canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
    }
  }
  TStringGrid::DrawCell(col, row, rect, state);
}

void TsuiStringGrid::Paint() {
  TStringGrid::Paint();
  suiMgr::DrawControlBorder(*this, borderColor_, BGColor(), false);
}

void TsuiStringGrid::WndProc(framework::TMessage& message) {
  // Painting everything in answer to the erase leaves no moment with a bare background.
  if (message.Msg == platform::WM_ERASEBKGND) {
    if (platform::Canvas* canvas = platform::CanvasOf(message)) PaintWindow(*canvas);
    message.Result = 1;
    return;
  }
  TStringGrid::WndProc(message);
}

void TsuiStringGrid::Notification(framework::TComponent* component,
                                  framework::TOperation operation) {
  TStringGrid::Notification(component, operation);
  if (operation != framework::opRemove || component != fileTheme_) return;
  fileTheme_ = nullptr;
  if (!ComponentState().Contains(framework::csDestroying)) SetUIStyle(suiThemes::DefaultUIStyle);
}

}  // namespace suiGrid
