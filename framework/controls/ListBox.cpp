#include "framework/controls/ListBox.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/ClientEdge.h"
#include "platform/graphics/Font.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"

namespace framework {

using namespace platform;

TListBox::TListBox(TComponent* owner)
    : TScrollingControl(owner), items_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
  items_->OnChange = [this](TObject*) { Invalidate(); };
}

TListBox::~TListBox() = default;

const TClassInfo& TListBox::StaticClassInfo() {
  using L = TListBox;
  static const TClassInfo info =
      TClassBuilder<L, TScrollingControl>("TListBox")
          .Enum("BorderStyle", BorderStyleType, &L::BorderStyle, &L::SetBorderStyle, bsSingle)
          .Color("Color", &L::Color, &L::SetColor, clWindow)
          .Bool("Ctl3D", &L::Ctl3D, &L::SetCtl3D, true)
          .Object("Items", &L::Items)
          .Bool("TabStop", &L::TabStop, &L::SetTabStop, true)
          .Build();
  return info;
}

void TListBox::SetItems(const TStringList* items) {
  items_->Assign(items);
}

int TListBox::ItemIndex() const {
  return itemIndex_ < items_->Count() ? itemIndex_ : -1;
}

void TListBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < items_->Count() ? index : -1;
  if (itemIndex_ >= 0) {
    if (itemIndex_ < TopIndex()) SetTopIndex(itemIndex_);
    if (itemIndex_ >= TopIndex() + VisibleRows()) SetTopIndex(itemIndex_ - VisibleRows() + 1);
  }
  Invalidate();
}

int TListBox::MaxTopIndex() const {
  return std::max(items_->Count() - VisibleRows(), 0);
}

int TListBox::TopIndex() const {
  return std::clamp(topIndex_, 0, MaxTopIndex());
}

void TListBox::SetTopIndex(int index) {
  topIndex_ = std::clamp(index, 0, MaxTopIndex());
  Invalidate();
}

int TListBox::ItemHeight() const {
  return std::max(GetTextMetrics(Font()->Data()).Height, 1);
}

int TListBox::VisibleRows() const {
  return std::max(ClientHeight() / ItemHeight(), 1);
}

int TListBox::ItemAtPos(TPoint p) const {
  TRect rows = ClientRect();
  if (const auto bar = VerticalScrollBar()) rows.Right = bar->Bounds().Left;
  if (!rows.Contains(p)) return -1;
  const int row = TopIndex() + p.Y / ItemHeight();
  return row < items_->Count() ? row : -1;
}

void TListBox::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  FrameChanged();
}

void TListBox::SetCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  FrameChanged();
}

void TListBox::FrameChanged() {
  ClientEdgeChanged(*this);
  Invalidate();
}

std::optional<TClientScrollBar> TListBox::VerticalScrollBar() const {
  if (items_->Count() <= VisibleRows()) return std::nullopt;
  const TRect client = ClientRect();
  const int width = std::min(GetSystemMetrics(SM_CXVSCROLL), client.Width());
  return TClientScrollBar(true, {client.Right - width, 0, client.Right, client.Bottom}, 0,
                          MaxTopIndex(), TopIndex(), VisibleRows());
}

int TListBox::ScrollPosition(bool) const {
  return TopIndex();
}

void TListBox::SetScrollPosition(bool vertical, int position) {
  if (vertical) SetTopIndex(position);
}

int TListBox::ScrollPage(bool) const {
  return VisibleRows();
}

void TListBox::Select(int index) {
  SetItemIndex(std::clamp(index, 0, items_->Count() - 1));
  Click();
}

void TListBox::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rows = ClientRect();
  if (const auto bar = VerticalScrollBar()) rows.Right = bar->Bounds().Left;
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(rows);
  const int height = ItemHeight();
  const int selected = ItemIndex();
  for (int row = TopIndex(), y = 0; row < items_->Count() && y < rows.Bottom; ++row, y += height) {
    const bool highlight = row == selected;
    const TRect r{0, y, rows.Right, y + height};
    canvas.Brush()->SetColor(highlight ? clHighlight : Color());
    canvas.Font()->SetColor(highlight ? clHighlightText : Font()->Color());
    canvas.TextRect(r, 2, y, items_->Get(row));
    if (highlight && Focused()) canvas.DrawFocusRect(r);
  }
  PaintScrollBars(canvas);
}

void TListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
  TScrollingControl::KeyDown(key, shift);
  if (items_->Count() == 0) return;
  const int current = ItemIndex();
  const int page = VisibleRows();
  switch (key) {
    case VK_UP:
      Select(current - 1);
      break;
    case VK_DOWN:
      Select(current + 1);
      break;
    case VK_PRIOR:
      Select(current - page);
      break;
    case VK_NEXT:
      Select(current + page);
      break;
    case VK_HOME:
      Select(0);
      break;
    case VK_END:
      Select(items_->Count() - 1);
      break;
    default:
      return;
  }
  key = 0;
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TScrollingControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && !TrackingScrollBar() && ItemAtPos({x, y}) >= 0)
    SetItemIndex(ItemAtPos({x, y}));
}

void TListBox::WndProc(TMessage& m) {
  TScrollingControl::WndProc(m);
  HandleClientEdge(*this, m, borderStyle_, ctl3D_);
  switch (m.Msg) {
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
}

}  // namespace framework
