#include "framework/graphics/Font.h"

#include <cstdlib>

#include "framework/classes/ClassBuilder.h"

namespace framework {

namespace {
constexpr std::string_view FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr int PixelsPerInch = 96;
}  // namespace

const TEnumType FontStyleType{"TFontStyle", FontStyleNames};

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TGraphicsObject, TPersistent>("TGraphicsObject").Build();
  return info;
}

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TFont, TGraphicsObject>("TFont")
          .Color("Color", &TFont::Color, &TFont::SetColor, platform::clWindowText)
          .Int("Height", &TFont::Height, &TFont::SetHeight, NoDefault)
          .String("Name", &TFont::Name, &TFont::SetName)
          .Set("Style", FontStyleType, &TFont::Style, &TFont::SetStyle, TFontStyles{})
          .Build();
  return info;
}

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    SetData(font->data_);
    return;
  }
  TGraphicsObject::Assign(source);
}

void TFont::SetName(const std::string& name) {
  if (name == data_.Name) return;
  data_.Name = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (std::abs(height) > platform::MaxFontHeight)
    throw EConvertError(Format(SPropertyOutOfRange, {height}));
  if (height == data_.Height) return;
  data_.Height = height;
  Changed();
}

int TFont::Size() const {
  // Rounded half away from zero, as MulDiv does.
  const int scaled = -data_.Height * 72;
  return scaled >= 0 ? (scaled + PixelsPerInch / 2) / PixelsPerInch
                     : -((-scaled + PixelsPerInch / 2) / PixelsPerInch);
}

void TFont::SetSize(int points) {
  if (std::abs(points) > platform::MaxFontHeight)
    throw EConvertError(Format(SPropertyOutOfRange, {points}));
  const int scaled = points * PixelsPerInch;
  SetHeight(scaled >= 0 ? -((scaled + 36) / 72) : (-scaled + 36) / 72);
}

void TFont::SetColor(platform::TColor color) {
  if (color == data_.Color) return;
  data_.Color = color;
  Changed();
}

TFontStyles TFont::Style() const {
  TFontStyles s;
  if (data_.Bold) s.Include(fsBold);
  if (data_.Italic) s.Include(fsItalic);
  if (data_.Underline) s.Include(fsUnderline);
  if (data_.StrikeOut) s.Include(fsStrikeOut);
  return s;
}

void TFont::SetStyle(TFontStyles style) {
  platform::Font next = data_;
  next.Bold = style.Contains(fsBold);
  next.Italic = style.Contains(fsItalic);
  next.Underline = style.Contains(fsUnderline);
  next.StrikeOut = style.Contains(fsStrikeOut);
  SetData(next);
}

void TFont::SetData(const platform::Font& data) {
  if (data == data_) return;
  if (std::abs(data.Height) > platform::MaxFontHeight)
    throw EConvertError(Format(SPropertyOutOfRange, {data.Height}));
  data_ = data;
  Changed();
}

}  // namespace framework
