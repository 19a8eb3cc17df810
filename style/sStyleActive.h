#pragma once

#include <memory>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Events.h"
#include "framework/classes/Object.h"
#include "framework/graphics/Bitmap.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

// The settings of a button-like style's hot look that it keeps besides its colours.
namespace sStyleActive {

// Which border mask a button paints: one of the six built-in ones, or its own.
enum TsPredefinedBorders {
  pdBorder1,
  pdBorder2,
  pdBorder3,
  pdBorder4,
  pdBorder5,
  pdBorder6,
  pdCustom
};
extern const framework::TEnumType PredefinedBordersType;

// The border mask a button-like control lays over itself, and whether it uses one at all.
class TsMaskedBorders : public framework::TPersistent {
 public:
  explicit TsMaskedBorders(framework::TPersistent* owner = nullptr);
  ~TsMaskedBorders() override;
  TsMaskedBorders(const TsMaskedBorders&) = delete;
  TsMaskedBorders& operator=(const TsMaskedBorders&) = delete;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  framework::TPersistent* GetOwner() const override { return owner_; }

  framework::TBitmap* Mask() const { return mask_.get(); }
  // Copies the picture (null empties the mask) and switches to it.
  void SetMask(const framework::TBitmap* value);
  TsPredefinedBorders Predefined() const { return predefined_; }
  void SetPredefined(TsPredefinedBorders value);
  platform::TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(platform::TColor value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Fired on every change, the mask's pixels included; the owning style marks its cache stale
  // and repaints its control.
  framework::TNotifyEvent OnChange;

 private:
  void Changed();

  framework::TPersistent* owner_;
  std::unique_ptr<framework::TBitmap> mask_;
  TsPredefinedBorders predefined_ = pdBorder1;
  platform::TColor transparentColor_ = 0xFF00FF;
  bool enabled_ = true;
};

// The mask to paint: the built-in one chosen, or the own mask unless that is empty.
const platform::Bitmap& BorderMaskOf(const TsMaskedBorders& borders);

}  // namespace sStyleActive
