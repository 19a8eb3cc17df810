#include "framework/controls/ListBox.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "platform/graphics/Font.h"
#include "platform/window/Messages.h"

namespace framework {

using namespace platform;

TListBox::TListBox(TComponent* owner)
    : TCustomControl(owner), items_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
}

TListBox::~TListBox() = default;

const TClassInfo& TListBox::StaticClassInfo() {
  using L = TListBox;
  static const TClassInfo info = TClassBuilder<L, TCustomControl>("TListBox")
                                     .Color("Color", &L::Color, &L::SetColor, clWindow)
                                     .Object("Items", &L::Items)
                                     .Bool("TabStop", &L::TabStop, &L::SetTabStop, true)
                                     .Build();
  return info;
}

void TListBox::SetItems(const TStringList* items) {
  items_->Assign(items);
  Invalidate();
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

int TListBox::TopIndex() const {
  return std::clamp(topIndex_, 0, std::max(items_->Count() - VisibleRows(), 0));
}

void TListBox::SetTopIndex(int index) {
  topIndex_ = index;
  topIndex_ = TopIndex();
  Invalidate();
}

int TListBox::ItemHeight() const {
  return std::max(GetTextMetrics(Font()->Data()).Height, 1);
}

int TListBox::VisibleRows() const {
  return std::max(ClientHeight() / ItemHeight(), 1);
}

int TListBox::ItemAtPos(TPoint p) const {
  if (!ClientRect().Contains(p)) return -1;
  const int row = TopIndex() + p.Y / ItemHeight();
  return row < items_->Count() ? row : -1;
}

void TListBox::Select(int index) {
  SetItemIndex(std::clamp(index, 0, items_->Count() - 1));
  Click();
}

void TListBox::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  const int height = ItemHeight();
  const int selected = ItemIndex();
  for (int row = TopIndex(), y = 0; row < items_->Count() && y < client.Bottom;
       ++row, y += height) {
    const bool highlight = row == selected;
    canvas.Brush()->SetColor(highlight ? clHighlight : Color());
    canvas.Font()->SetColor(highlight ? clHighlightText : Font()->Color());
    canvas.TextRect({0, y, client.Right, y + height}, 2, y, items_->Get(row));
  }
}

void TListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
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
  TCustomControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && ItemAtPos({x, y}) >= 0) SetItemIndex(ItemAtPos({x, y}));
}

void TListBox::WndProc(TMessage& m) {
  if (m.Msg == WM_MOUSEWHEEL) {
    const auto delta = static_cast<std::int16_t>(HIWORD(m.WParam));
    SetTopIndex(TopIndex() - delta / 120 * 3);
    return;
  }
  TCustomControl::WndProc(m);
  if (m.Msg == WM_SIZE || m.Msg == CM_FONTCHANGED) Invalidate();
}

}  // namespace framework
