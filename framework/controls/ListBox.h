#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "framework/classes/StringList.h"
#include "framework/controls/BorderStyle.h"
#include "framework/controls/ScrollingControl.h"

namespace framework {

// A list of strings, one row each, with one selected row (ItemIndex, -1 for none). Rows
// that do not fit scroll, with a vertical scroll bar: TopIndex is the first one shown, and
// the selection is kept in view. Items may change at any time; the list then repaints, and
// indexes past the end count as none.
class TListBox : public TScrollingControl {
 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStringList* Items() const { return items_.get(); }
  void SetItems(const TStringList* items);
  int ItemIndex() const;
  // -1 (or any index outside the items) selects nothing.
  void SetItemIndex(int index);
  int TopIndex() const;
  void SetTopIndex(int index);
  // The font's cell height.
  int ItemHeight() const;
  // Rows that fit whole in the client area, at least 1.
  int VisibleRows() const;
  // The row at a client point, or -1.
  int ItemAtPos(TPoint p) const;
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);

  std::optional<TClientScrollBar> VerticalScrollBar() const override;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  int ScrollPosition(bool vertical) const override;
  void SetScrollPosition(bool vertical, int position) override;
  int ScrollPage(bool vertical) const override;

 private:
  void Select(int index);
  void FrameChanged();
  int MaxTopIndex() const;

  std::unique_ptr<TStringList> items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
};

}  // namespace framework
