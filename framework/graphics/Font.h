#pragma once

#include <string>
#include <string_view>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Set.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/graphics/Font.h"

namespace framework {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
extern const TEnumType FontStyleType;

// A logical font as controls and canvases use it; stored descriptions write its Name,
// Height, Color and Style. Size is in points at 96 pixels per inch.
class TFont : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Assign(const TPersistent* source) override;

  const std::string& Name() const { return data_.Name; }
  void SetName(const std::string& name);
  int Height() const { return data_.Height; }
  // Beyond the platform's largest font either way raises EConvertError.
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  platform::TColor Color() const { return data_.Color; }
  void SetColor(platform::TColor color);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);

  const platform::Font& Data() const { return data_; }
  void SetData(const platform::Font& data);

 private:
  platform::Font data_;
};

}  // namespace framework
