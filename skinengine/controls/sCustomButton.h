#pragma once

#include <memory>

#include "framework/classes/Set.h"
#include "framework/forms/ImageList.h"
#include "framework/graphics/Bitmap.h"
#include "skinengine/controls/sButtonControl.h"

namespace sCustomButton {

// Where it lives: the speed button's properties in sCustomButton.cpp, its glyph painting in
// sCustomButtonGlyph.cpp.

// How a disabled button shows a one-cell glyph: faded into the face, in greys, or both.
enum TDisabledGlyphKindFlag { dgBlended, dgGrayed };
using TDisabledGlyphKind = framework::TSet<TDisabledGlyphKindFlag>;
extern const framework::TEnumType DisabledGlyphKindType;

// The flat speed button of the tool's windows: the button control with a glyph, from a
// bitmap of one or two cells (enabled, disabled) or from image lists, and its settings
// published for stored descriptions.
class TsSpeedButton : public sButtonControl::TsButtonControl {
 public:
  static constexpr TDisabledGlyphKind DefaultDisabledGlyphKind{dgBlended};

  explicit TsSpeedButton(framework::TComponent* owner);
  ~TsSpeedButton() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  framework::TBitmap* Glyph() const { return glyph_.get(); }
  // Copies the picture; null empties the glyph.
  void SetGlyph(const framework::TBitmap* glyph);
  TDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TDisabledGlyphKind kind);
  // The glyph's image lists without a Glyph bitmap: the enabled pictures, those of an
  // enabled button that is not hot, and those of a disabled one. Each is cleared when its
  // list is freed.
  framework::TImageList* Images() const { return images_; }
  void SetImages(framework::TImageList* list) { SetImageList(images_, list); }
  framework::TImageList* ImagesGrayed() const { return imagesGrayed_; }
  void SetImagesGrayed(framework::TImageList* list) { SetImageList(imagesGrayed_, list); }
  framework::TImageList* ImagesDisabled() const { return imagesDisabled_; }
  void SetImagesDisabled(framework::TImageList* list) { SetImageList(imagesDisabled_, list); }

  // Told when a check button goes down or comes up.
  framework::TNotifyEvent OnChange;

  int ArrowWidth() const override;
  int GlyphWidth() const override;
  int GlyphHeight() const override;

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;
  void PaintGlyph(const platform::TRect& glyph) override;
  void ActionChange(const framework::TAction& action, bool checkDefaults) override;
  void DownChanged() override;

 private:
  void SetImageList(framework::TImageList*& field, framework::TImageList* list);
  // The list the glyph comes from now, when there is no Glyph bitmap.
  framework::TImageList* CurrentImages() const;
  void PaintBitmapGlyph(platform::Bitmap& cache, platform::TPoint at);
  void PaintListGlyph(platform::Bitmap& cache, platform::TPoint at);
  // Draws a glyph picture whose key colour is transparent: plain while hot or without Blend,
  // else faded into the face by Blend percent.
  void DrawEnabledGlyph(platform::Bitmap& cache, const platform::Bitmap& picture,
                        platform::TPoint at, platform::TColor key);

  std::unique_ptr<framework::TBitmap> glyph_;
  TDisabledGlyphKind disabledGlyphKind_ = DefaultDisabledGlyphKind;
  framework::TImageList* images_ = nullptr;
  framework::TImageList* imagesGrayed_ = nullptr;
  framework::TImageList* imagesDisabled_ = nullptr;
};

}  // namespace sCustomButton
