#pragma once

#include "framework/controls/Label.h"
#include "platform/graphics/Geometry.h"

// What a style needs to know of the few kinds of control that it treats in a special way.
// The skinned controls implement these; a style finds them on its owner control.
namespace sStyleSimply {

// What a button control is: a plain or sticky button, one with a drop-down part, or a
// separator or divider in a tool row.
enum TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// A button control that owns a style.
class TsButtonOwner {
 public:
  // The button is down: it shows pressed, and hot.
  virtual bool Pressed() const = 0;
  virtual TsButtonStyle ButtonStyle() const = 0;
  virtual bool HasDropdownMenu() const = 0;
  // The bevel width of the normal look's frame.
  virtual int BevelWidth() const = 0;
  // Start fading into the hot look, or back into the normal one, from the look shown now.
  virtual void FadeIn() = 0;
  virtual void FadeOut() = 0;

 protected:
  TsButtonOwner() = default;
  TsButtonOwner(const TsButtonOwner&) = default;
  TsButtonOwner& operator=(const TsButtonOwner&) = default;
  ~TsButtonOwner() = default;
};

// A check control that owns a style.
class TsCheckOwner {
 public:
  // Repaints everything the control shows.
  virtual void RepaintAll() = 0;
  // Where the check glyph lies in the control; its shadow falls from there.
  virtual platform::TRect CheckGlyphRect() const = 0;

 protected:
  TsCheckOwner() = default;
  TsCheckOwner(const TsCheckOwner&) = default;
  TsCheckOwner& operator=(const TsCheckOwner&) = default;
  ~TsCheckOwner() = default;
};

// A skinned label: it has no style of its own but paints over its parent's picture, so a
// frame painter repaints it with the skinned controls. An editor style's caption is one, set
// up through these.
class TsSkinnedLabel {
 public:
  virtual framework::TControl& LabelControl() = 0;
  virtual void SetAlignment(framework::TAlignment alignment) = 0;
  virtual void SetLayout(framework::TTextLayout layout) = 0;
  virtual void SetFocusControl(framework::TWinControl* control) = 0;
  virtual void SetAutoSize(bool autoSize) = 0;
  virtual void SetWordWrap(bool wordWrap) = 0;
  virtual void SetTransparent(bool transparent) = 0;

 protected:
  TsSkinnedLabel() = default;
  TsSkinnedLabel(const TsSkinnedLabel&) = default;
  TsSkinnedLabel& operator=(const TsSkinnedLabel&) = default;
  ~TsSkinnedLabel() = default;
};

}  // namespace sStyleSimply
