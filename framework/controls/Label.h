#pragma once

#include <string>

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"

namespace framework {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TEnumType AlignmentType;
enum TTextLayout { tlTop, tlCenter, tlBottom };
extern const TEnumType TextLayoutType;

// The character an "&" marks in a caption ("&&" is a plain "&"), lower-cased; 0 if none.
char AccelChar(const std::string& caption);

// Static text. An "&" in the caption underlines the next letter, and Alt with that letter
// focuses FocusControl. With AutoSize the label fits its text (keeping its width when it
// wraps words).
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  ~TLabel() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void SetText(const std::string& text) override;
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // Leaves the parent's background showing around the text.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  unsigned TextFlags() const;
  void AdjustBounds();
  void Changed();

  bool autoSize_ = true;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  bool transparent_ = false;
  TWinControl* focusControl_ = nullptr;
};

}  // namespace framework
