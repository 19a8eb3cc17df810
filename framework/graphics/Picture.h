#pragma once

#include <memory>
#include <string>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphic.h"

namespace framework {

// Holds one picture of any format. Descriptions carry it as "Data": the file's bytes, whose
// format is told by their signature (a BMP or a JPEG file).
class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // Copies a picture or a graphic; null empties it.
  void Assign(const TPersistent* source) override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Keeps a copy of graphic (null empties the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap; a picture of another format is replaced by an empty bitmap,
  // so drawing into it starts afresh.
  TBitmap* Bitmap();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // The format follows the extension (.bmp, .jpg, .jpeg); others raise EInvalidGraphic.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  TBytes Data() const;
  void SetData(const TBytes& data);

  TNotifyEvent OnChange;

 private:
  void Take(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace framework
