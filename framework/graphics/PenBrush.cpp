#include "framework/graphics/PenBrush.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"

namespace framework {

namespace {
constexpr std::string_view PenStyleNames[] = {"psSolid", "psClear"};
constexpr std::string_view BrushStyleNames[] = {"bsSolid", "bsClear"};
}  // namespace

const TEnumType PenStyleType{"TPenStyle", PenStyleNames};
const TEnumType BrushStyleType{"TBrushStyle", BrushStyleNames};

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TPen, TGraphicsObject>("TPen")
          .Color("Color", &TPen::Color, &TPen::SetColor, platform::clBlack)
          .Enum("Style", PenStyleType, &TPen::Style, &TPen::SetStyle, psSolid)
          .Int("Width", &TPen::Width, &TPen::SetWidth, 1)
          .Build();
  return info;
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    data_ = pen->data_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TPen::SetColor(platform::TColor color) {
  if (color == data_.Color) return;
  data_.Color = color;
  Changed();
}

void TPen::SetWidth(int width) {
  width = std::max(width, 1);
  if (width == data_.Width) return;
  data_.Width = width;
  Changed();
}

TPenStyle TPen::Style() const {
  return data_.Style == platform::PenStyle::Clear ? psClear : psSolid;
}

void TPen::SetStyle(TPenStyle style) {
  const auto next = style == psClear ? platform::PenStyle::Clear : platform::PenStyle::Solid;
  if (next == data_.Style) return;
  data_.Style = next;
  Changed();
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBrush, TGraphicsObject>("TBrush")
          .Color("Color", &TBrush::Color, &TBrush::SetColor, platform::clWhite)
          .Enum("Style", BrushStyleType, &TBrush::Style, &TBrush::SetStyle, bsSolid)
          .Build();
  return info;
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    data_ = brush->data_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TBrush::SetColor(platform::TColor color) {
  if (color == data_.Color) return;
  data_.Color = color;
  Changed();
}

TBrushStyle TBrush::Style() const {
  return data_.Style == platform::BrushStyle::Clear ? bsClear : bsSolid;
}

void TBrush::SetStyle(TBrushStyle style) {
  const auto next = style == bsClear ? platform::BrushStyle::Clear : platform::BrushStyle::Solid;
  if (next == data_.Style) return;
  data_.Style = next;
  Changed();
}

}  // namespace framework
