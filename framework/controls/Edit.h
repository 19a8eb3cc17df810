#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/controls/BorderStyle.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/EditText.h"

namespace framework {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
extern const TEnumType EditCharCaseType;

// A single-line edit field. The frame lies in the non-client area (a sunken two-pixel one
// with Ctl3D, else one pixel), so a subclass may measure and paint its own instead. The
// caret blinks while the field has the focus; text wider than the field scrolls to keep
// the caret in view. Selection positions count bytes of the UTF-8 text.
class TCustomEdit : public TCustomControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void SetText(const std::string& text) override;
  int MaxLength() const { return text_.MaxLength(); }
  void SetMaxLength(int maxLength) { text_.SetMaxLength(maxLength); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // 0 shows the text itself; otherwise one such character per character of it.
  std::uint8_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(std::uint8_t passwordChar);
  // Selects the whole text when the field is entered.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase charCase);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  // Keeps the height fitting the font and the frame.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  int SelStart() const { return text_.SelStart(); }
  void SetSelStart(int start);
  int SelLength() const { return text_.SelLength(); }
  std::string SelText() const { return text_.SelText(); }
  void SelectAll();
  void ClearSelection();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  // Caret shown now (it blinks while focused).
  bool CaretVisible() const { return caretOn_ && Focused(); }
  // The first pixel of the text shown at the left edge.
  int ScrollOffset() const { return scroll_; }

  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void DoEnter() override;
  virtual void Change();
  // The frame's width on each side.
  virtual int FrameWidth() const;
  virtual void PaintFrame();

 private:
  std::string Masked(std::string_view text) const;
  std::string Cased(std::string text) const;
  int TextX(int pos) const;
  int PosAt(int x) const;
  void Insert(const std::string& text);
  void Edited(bool changed);
  void CaretMoved();
  void StartBlink();
  void StopBlink();
  void FrameChanged();
  void AdjustHeight();

  TEditText text_;
  bool readOnly_ = false;
  std::uint8_t passwordChar_ = 0;
  bool autoSelect_ = true;
  TEditCharCase charCase_ = ecNormal;
  TBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  bool autoSize_ = true;
  bool caretOn_ = false;
  bool selecting_ = false;
  int scroll_ = 0;
};

// The edit as descriptions use it.
class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace framework
