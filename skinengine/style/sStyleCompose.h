#pragma once

#include <optional>

#include "framework/graphics/Picture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"
#include "skinengine/pixels/sBevels.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/pixels/sGraphUtils.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleActive.h"
#include "skinengine/style/sStyleSimply.h"

// How a background style composes a look: picture, gradient and colour by their shares, and
// the parent's picture below by the transparency.
namespace sStyleUtil {

// A picture of a background: a bitmap is tiled, a JPEG drawn whole.
struct TsPicture {
  const platform::Bitmap* Bitmap = nullptr;
  sGraphUtils::PictureKind Kind = sGraphUtils::PictureKind::Bitmap;
};

// The picture a published picture holds; none when it is empty or cannot be decoded.
TsPicture PictureOf(const framework::TPicture& picture);

// The values one look of a background is made of, from a skin section or from a style's own
// properties. Percents are read as they are stored; the composition keeps them in range.
struct TsLook {
  platform::TColor Color = 0;
  sBevels::TsControlBevel Bevel = sBevels::cbNone;
  int BevelWidth = 0;
  int GradientPercent = 0;
  const sGradient::GradientArray* Gradient = nullptr;
  int ImagePercent = 0;
  TsPicture Image;  // looked up only when ImagePercent is above 0
  int Transparency = 0;
};

// A skin section's look, the hot one when hot; its picture is the section's "IMAGEFILE" (or
// "HOTIMAGEFILE") image, looked up only when its share is above 0.
TsLook SectionLook(const sSkinManager::SkinSectionData& section, int skinIndex, bool hot);

// A look from a style's own background and painting values.
TsLook OwnLook(const sStyleActive::TsHotBackground& background, platform::TColor color,
               sBevels::TsControlBevel bevel, int bevelWidth, int transparency);

// The normal look and the hot look differ in how the picture weighs against the gradient
// (share x 256 div 100, or x 255 div 100) and in what a missing picture leaves: the colour,
// or the target as it was.
enum class TsComposeRule { Normal, Hot };

// Composes the look over rect of target; scratch becomes a bitmap of target's size when a blend
// needs one.
void ComposeLook(platform::Bitmap& target, platform::Bitmap& scratch, const TsLook& look,
                 const platform::TRect& rect, TsComposeRule rule);

// The part of a parent's picture under a control with these bounds in the parent's client
// area.
platform::TRect ParentSourceRect(const sStyleSimply::TsParentBackground& parent,
                                 const platform::TRect& bounds);
// Whether the parent's picture holds all of that part.
bool ParentCovers(const sStyleSimply::TsParentBackground& parent, const platform::TRect& source);
// Copies the part row by row to target's top-left; what lies outside the picture is left out.
void CopyParentBackground(platform::Bitmap& target, const sStyleSimply::TsParentBackground& parent,
                          const platform::TRect& source);

// Composes the look over rect of target with source of the parent's picture showing through
// by the look's transparency; without a parent the look is composed alone. scratch is used
// as by ComposeLook.
void ComposeOverParent(platform::Bitmap& target, platform::Bitmap& scratch, const TsLook& look,
                       const platform::TRect& rect, TsComposeRule rule,
                       const std::optional<sStyleSimply::TsParentBackground>& parent,
                       const platform::TRect& source);

}  // namespace sStyleUtil
