#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

// The dark skin "Velora Gelap": the stored skin's sections and artwork, drawn by the same code
// and turned dark, written as a skin folder for the tool to find and for skin authors to read.
namespace skinart {

inline constexpr const char* DarkSkinName = "Velora Gelap";

// A surface colour in the dark skin: greys turn over (white becomes a dark grey), coloured
// accents keep their hue and go dark.
platform::TColor DarkSurface(platform::TColor color);
// A colour of the pictures' artwork (edges, marks, symbols): greys turn over as on surfaces,
// accents stay bright enough to be seen on the dark faces.
platform::TColor DarkInk(platform::TColor color);
// A text colour: dark text turns light, light text stays.
platform::TColor DarkText(platform::TColor color);

struct TListedImage;

// One of the stored skin's images in the dark skin: the picture half turns dark, the mask half
// below it keeps its blend, and the transparent colour stays.
platform::Bitmap DrawDarkImage(const TListedImage& image);

struct TSkinFile {
  std::string Name;  // within the skin folder
  std::vector<std::uint8_t> Bytes;
};

// "Options.dat" and the pictures it names.
std::vector<TSkinFile> DrawDarkSkin();

}  // namespace skinart
