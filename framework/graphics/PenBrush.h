#pragma once

#include "framework/classes/ClassInfo.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/graphics/Canvas.h"

namespace framework {

enum TPenStyle { psSolid, psClear };
enum TBrushStyle { bsSolid, bsClear };
extern const TEnumType PenStyleType;
extern const TEnumType BrushStyleType;

// The outline of shapes and lines drawn on a canvas.
class TPen : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* source) override;

  platform::TColor Color() const { return data_.Color; }
  void SetColor(platform::TColor color);
  int Width() const { return data_.Width; }
  // Widths below 1 draw as 1.
  void SetWidth(int width);
  TPenStyle Style() const;
  void SetStyle(TPenStyle style);

  const platform::Pen& Data() const { return data_; }

 private:
  platform::Pen data_;
};

// The interior of shapes and the background of text; a clear brush leaves both unpainted.
class TBrush : public TGraphicsObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* source) override;

  platform::TColor Color() const { return data_.Color; }
  void SetColor(platform::TColor color);
  TBrushStyle Style() const;
  void SetStyle(TBrushStyle style);

  const platform::Brush& Data() const { return data_; }

 private:
  platform::Brush data_;
};

}  // namespace framework
