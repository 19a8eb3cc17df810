#include <algorithm>
#include <string>
#include <string_view>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"
#include "framework/runtime/Text.h"
#include "platform/Error.h"
#include "skinengine/pixels/sGraphUtils.h"

namespace sGraphUtils {

namespace {

bool HasExtension(const std::string& fileName, std::string_view extension) {
  return fileName.size() >= extension.size() &&
         framework::SameText(std::string_view(fileName).substr(fileName.size() - extension.size()),
                             extension);
}

}  // namespace

void LoadPicture(framework::TPicture& picture, const std::string& fileName, bool grey) {
  std::string name = fileName;
  std::ranges::replace(name, '\\', '/');
  if (!framework::FileExists(name)) {
    picture.SetGraphic(nullptr);
    return;
  }
  // A picture that cannot be loaded leaves the old one in place.
  try {
    if (HasExtension(name, ".jpg") || HasExtension(name, ".jpeg")) {
      framework::TJPEGImage jpeg;
      jpeg.SetGrayscale(grey);
      jpeg.LoadFromFile(name);
      picture.SetGraphic(&jpeg);
    } else if (HasExtension(name, ".bmp")) {
      framework::TBitmap bitmap;
      bitmap.LoadFromFile(name);
      if (grey) MakeGrey(bitmap.Data());
      picture.SetGraphic(&bitmap);
    }
  } catch (const framework::Exception&) {
  } catch (const platform::Error&) {
  }
}

}  // namespace sGraphUtils
