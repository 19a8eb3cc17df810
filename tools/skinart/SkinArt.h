#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "skinengine/skin/sStoredSkins.h"

// The artwork of the stored skin "Velora2 (internal)", the built-in border masks and the
// default check and radio glyphs, drawn the same on every run so the committed files can be
// checked against the drawing.
namespace skinart {

// A bitmap of the stored skin: which section and property it serves, and the resource that
// carries it (the file name under resources/skin without ".bmp").
struct TListedImage {
  std::string Section;
  std::string Property;
  int Width;
  int Height;
  std::string Resource() const;
};

struct TNamedBitmap {
  std::string Name;  // resource name
  platform::Bitmap Pixels;
};

// The stored skin's 69 images in collection order.
const std::vector<TListedImage>& StoredSkinImages();
// The picture of one of them; a background picture has no mask half below it.
platform::Bitmap DrawListedImage(const TListedImage& image);
bool IsBackgroundPicture(const TListedImage& image);
// The stored skin's sections in collection order, the last of them the empty one.
std::vector<sSkinManager::TsGeneralValues> StoredSkinSections();
// Every bitmap the program carries for the skin engine: the stored skin's images, "BORD1" to
// "BORD6", and "RCC", "RUC", "RCH", "RUH", "CCC", "CUC", "CCH", "CUH".
std::vector<TNamedBitmap> DrawSkinBitmaps();

// The stored skin as one item of the skin manager's InternalSkins collection, in the
// description format, its images referring to the resources above. The main window's
// description wraps it as "InternalSkins = <" fragment ">".
std::string StoredSkinItem();

// The stored skin inside a main-window description: the text between "InternalSkins = <" and
// the closing ">" of the skin manager's collection (empty when the description has none), and
// the description with that text replaced by the item drawn now.
std::string StoredSkinBlock(const std::string& description);
std::string WithStoredSkin(const std::string& description);

}  // namespace skinart
