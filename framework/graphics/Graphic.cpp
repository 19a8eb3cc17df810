#include "framework/graphics/Graphic.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/runtime/Files.h"

namespace framework {

const TClassInfo& TGraphic::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TGraphic, TPersistent>("TGraphic").Build();
  return info;
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  int error = 0;
  const std::optional<std::string> text = ReadWholeFile(fileName, error);
  if (!text) throw EFOpenError(fileName, SysErrorMessage(error));
  LoadFromData(std::span(reinterpret_cast<const std::uint8_t*>(text->data()), text->size()));
}

void TGraphic::SaveToFile(const std::string& fileName) const {
  const TBytes data = SaveToData();
  int error = 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
  if (!WriteWholeFile(fileName, bytes, error))
    throw EFCreateError(fileName, SysErrorMessage(error));
}

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

}  // namespace framework
