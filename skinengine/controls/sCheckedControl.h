#pragma once

#include <cstdint>
#include <memory>

#include "framework/classes/Events.h"
#include "framework/controls/CustomControl.h"
#include "framework/controls/Label.h"
#include "framework/forms/ImageList.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/style/sStyleEdits.h"
#include "skinengine/style/sStyleOwners.h"

namespace sCheckedControl {

// The base of the check box. Where it lives: properties, keys and mouse in
// sCheckedControl.cpp; the built-in glyphs in sCheckedControlGlyphs.cpp; painting in
// sCheckedControlPaint.cpp.

// Where the check glyph lies: left of the caption, or at the control's right edge.
enum TCheckAreaLayout { calLeft, calRight };
extern const framework::TEnumType CheckAreaLayoutType;

// The built-in glyph of a check box (else of a radio button), checked or not, in the normal
// or the active look: read from the program's resources on first use and kept until the
// program ends. Empty when the resource is missing or unreadable.
const platform::Bitmap& DefaultGlyph(bool checkBox, bool checked, bool active);

// A two-state box with a caption beside it, painted whole into its style's cache over its
// parent's picture: the glyph from the skin section, its own glyph strips, an image list or
// the built-in glyphs. A left press toggles Checked on its release wherever the pointer is;
// the space bar toggles on its release. Each toggle by the user fires OnChange.
class TsCheckedControl : public framework::TCustomControl, public sStyleSimply::TsCheckOwner {
 public:
  // Declared defaults, which are the initial values too.
  static constexpr int DefaultHeight = 18;
  static constexpr TCheckAreaLayout DefaultLayout = calLeft;
  static constexpr bool DefaultShowFocus = false;
  static constexpr int DefaultImageIndex = 0;
  static constexpr bool DefaultMultiLine = false;
  static constexpr bool DefaultChecked = false;
  // The caption keeps this far from the edges.
  static constexpr int CaptionMargin = 1;

  explicit TsCheckedControl(framework::TComponent* owner);
  ~TsCheckedControl() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment alignment);
  TCheckAreaLayout Layout() const { return layout_; }
  void SetLayout(TCheckAreaLayout layout);
  // A focus rectangle round the caption while focused.
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool showFocus);
  // Image-list indices of the normal and the active look.
  int ImgChecked() const { return imgChecked_; }
  void SetImgChecked(int index);
  int ImgUnchecked() const { return imgUnchecked_; }
  void SetImgUnchecked(int index);
  int ImgCheckedHot() const { return imgCheckedHot_; }
  void SetImgCheckedHot(int index) { imgCheckedHot_ = index; }
  int ImgUncheckedHot() const { return imgUncheckedHot_; }
  void SetImgUncheckedHot(int index) { imgUncheckedHot_ = index; }
  // Glyphs from a list, when set and no own glyph strip serves; cleared when the list goes.
  framework::TImageList* Images() const { return images_; }
  void SetImages(framework::TImageList* images);
  // The caption wraps its words instead of standing on one centred line.
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  // Own glyph strips of three cells (normal, active, pressed) over their masks; assigning
  // one copies it.
  framework::TBitmap* GlyphChecked() const { return glyphChecked_.get(); }
  void SetGlyphChecked(const framework::TBitmap* glyph);
  framework::TBitmap* GlyphUnChecked() const { return glyphUnChecked_.get(); }
  void SetGlyphUnChecked(const framework::TBitmap* glyph);
  sStyleEdits::TsStyle* sStyle() const { return sStyle_.get(); }
  bool Checked() const { return checked_; }
  virtual void SetChecked(bool checked);
  // The left button or the space bar is held on the control.
  bool Pressed() const { return pressed_; }

  // After every toggle by the user, not when a program sets Checked.
  framework::TNotifyEvent OnChange;

  void Invalidate() override;
  // Paints the whole look into the cache and shows it at once.
  void RepaintAll() override;
  // Where the glyph lies: a cell of the skin's or the own checked strip, else of the list's,
  // the built-in glyph's or a 14-pixel size, centred in the height.
  platform::TRect CheckGlyphRect() const override;
  // The room of the caption beside the glyph.
  platform::TRect CaptionRect() const;

 protected:
  // The kinds of the checked controls: a check box says so through its kind.
  TsCheckedControl(framework::TComponent* owner, int kind);

  void Loaded() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;
  void WndProc(framework::TMessage& message) override;
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;
  void KeyUp(std::uint16_t& key, framework::TShiftState shift) override;
  // The user's toggle: flips Checked, then OnChange.
  virtual void Toggle();

 private:
  bool Busy() const;
  void SetPressed(bool pressed);
  // Invalidates the look after a change of what it shows.
  void Changed();
  // The check area of a glyph cell of this size.
  platform::TRect CheckArea(platform::TSize cell) const;
  // The section's glyph strip of that state, or null when unbound or the section has none.
  const platform::Bitmap* SkinGlyph(bool checked) const;
  // The list's image of the state, its transparent pixels in clFuchsia.
  platform::Bitmap ListGlyph(bool active) const;
  // Composes the look into the cache and copies it to the control.
  void PaintLook();
  void PaintBackground(platform::Bitmap& cache);
  void PaintCaption(framework::TCanvas& canvas);
  void PaintGlyph(platform::Bitmap& cache);

  framework::TAlignment alignment_ = framework::taLeftJustify;
  TCheckAreaLayout layout_ = DefaultLayout;
  bool showFocus_ = DefaultShowFocus;
  bool pressed_ = false;
  int imgChecked_ = DefaultImageIndex;
  int imgUnchecked_ = DefaultImageIndex;
  framework::TImageList* images_ = nullptr;
  bool multiLine_ = DefaultMultiLine;
  int imgUncheckedHot_ = DefaultImageIndex;
  int imgCheckedHot_ = DefaultImageIndex;
  std::unique_ptr<framework::TBitmap> glyphChecked_;
  std::unique_ptr<framework::TBitmap> glyphUnChecked_;
  std::unique_ptr<sStyleEdits::TsStyle> sStyle_;
  bool checked_ = DefaultChecked;
};

}  // namespace sCheckedControl
