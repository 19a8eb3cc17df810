#include "skinengine/skin/sStoredSkins.h"

#include <cstdint>
#include <string>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sBevelTypes.h"

namespace sSkinManager {

using framework::NoDefault;
using framework::TClassBuilder;
using framework::TClassInfo;
using framework::TCollection;
using framework::TCollectionItem;
using framework::TPersistent;
using G = TsSkinGeneral;

namespace {

// A default as a stored skin holds it: font colours as their blank-separated list.
std::string StoredForm(const TsFontColor& colors) {
  std::string text;
  for (const std::int32_t c : {colors.Color, colors.Left, colors.Top, colors.Right, colors.Bottom})
    text += (text.empty() ? "" : " ") + std::to_string(c);
  return text;
}
template <class T>
const T& StoredForm(const T& value) {
  return value;
}

}  // namespace

TsGeneralValues DefaultGeneralValues() {
  TsGeneralValues values;
#define BEZIER_DEFAULT(name, kind, fallback, ...) values.name = StoredForm(fallback);
#define BEZIER_NO_DEFAULT(...)
  BEZIER_SKIN_SECTION_KEYS(BEZIER_DEFAULT, BEZIER_DEFAULT, BEZIER_NO_DEFAULT)
#undef BEZIER_DEFAULT
#undef BEZIER_NO_DEFAULT
  return values;
}

template <TsKeyKind Kind, auto Field>
void TsSkinGeneral::Publish(TBuilder& builder, const char* name) {
  using enum TsKeyKind;
  if constexpr (Kind == Int) {
    builder.Int(name, &G::Get<Field>, &G::Set<Field>, NoDefault);
  } else if constexpr (Kind == Color || Kind == OwnColor) {
    builder.Color(name, &G::Get<Field>, &G::Set<Field>, NoDefault);
  } else if constexpr (Kind == Bool) {
    builder.Bool(name, &G::Get<Field>, &G::Set<Field>, NoDefault);
  } else if constexpr (Kind == ControlBevel) {
    builder.Enum(name, sBevelTypes::ControlBevelType, &G::Get<Field>, &G::Set<Field>, NoDefault);
  } else if constexpr (Kind == EditorBevel) {
    builder.Enum(name, sBevelTypes::EditorBevelType, &G::Get<Field>, &G::Set<Field>, NoDefault);
  } else {
    // Names, text and the font colour lists, which are read only when the skin is loaded.
    builder.String(name, &G::Get<Field>, &G::Set<Field>);
  }
}

template <auto Field>
void TsSkinGeneral::PublishGradient(TBuilder& builder, const char* name) {
  builder.String(name, &G::GetGradient<Field>, &G::SetGradient<Field>);
}

const TClassInfo& TsSkinGeneral::StaticClassInfo() {
  static const TClassInfo info = [] {
    TBuilder builder("TsSkinGeneral");
#define BEZIER_PUBLISH_KEY(name, kind, ...) \
  Publish<TsKeyKind::kind, &TsGeneralValues::name>(builder, #name);
#define BEZIER_PUBLISH_GRADIENT(name, ...) PublishGradient<&TsGeneralValues::name>(builder, #name);
    BEZIER_SKIN_SECTION_KEYS(BEZIER_PUBLISH_KEY, BEZIER_PUBLISH_GRADIENT, BEZIER_PUBLISH_KEY)
#undef BEZIER_PUBLISH_KEY
#undef BEZIER_PUBLISH_GRADIENT
    return builder.Build();
  }();
  return info;
}

void TsSkinGeneral::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsSkinGeneral*>(source);
  if (!other) return TCollectionItem::Assign(source);
  values_ = other->values_;
}

const TClassInfo& TsSkinGenerals::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TsSkinGenerals, TCollection>("TsSkinGenerals").Build();
  return info;
}

template <class Picture>
void TsSkinPicture<Picture>::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsSkinPicture*>(source);
  if (!other) return TCollectionItem::Assign(source);
  sectionName_ = other->sectionName_;
  image_->Assign(other->Image());
  name_ = other->name_;
  propertyName_ = other->propertyName_;
}

template class TsSkinPicture<framework::TBitmap>;
template class TsSkinPicture<TsPatternImage>;

namespace {

// Bitmaps and textures stream alike.
template <class P>
TClassInfo PictureClassInfo(const char* className) {
  return TClassBuilder<P, TCollectionItem>(className)
      .String("SectionName", &P::SectionName, &P::SetSectionName)
      .Object("Image", &P::Image)
      .String("Name", &P::Name, &P::SetName)
      .String("PropertyName", &P::PropertyName, &P::SetPropertyName)
      .Build();
}

}  // namespace

const TClassInfo& TsSkinImage::StaticClassInfo() {
  static const TClassInfo info = PictureClassInfo<TsSkinImage>("TsSkinImage");
  return info;
}

const TClassInfo& TsSkinImages::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TsSkinImages, TCollection>("TsSkinImages").Build();
  return info;
}

const TClassInfo& TsPatternImage::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TsPatternImage, framework::TJPEGImage>("TsPatternImage")
          .Binary("Data", &TsPatternImage::SaveToData, &TsPatternImage::SetData)
          .Build();
  return info;
}

void TsPatternImage::SetData(const framework::TBytes& data) {
  if (data.empty()) {
    const framework::TJPEGImage empty;
    Assign(&empty);
  } else {
    LoadFromData(data);
  }
}

const TClassInfo& TsSkinPattern::StaticClassInfo() {
  static const TClassInfo info = PictureClassInfo<TsSkinPattern>("TsSkinPattern");
  return info;
}

const TClassInfo& TsSkinPatterns::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TsSkinPatterns, TCollection>("TsSkinPatterns").Build();
  return info;
}

TsStoredSkin::TsStoredSkin(TCollection* collection)
    : TCollectionItem(collection),
      images_(std::make_unique<TsSkinImages>(this)),
      patterns_(std::make_unique<TsSkinPatterns>(this)),
      generalData_(std::make_unique<TsSkinGenerals>(this)) {}

TsStoredSkin::~TsStoredSkin() = default;

const TClassInfo& TsStoredSkin::StaticClassInfo() {
  using S = TsStoredSkin;
  static const TClassInfo info = TClassBuilder<S, TCollectionItem>("TsStoredSkin")
                                     .String("Name", &S::Name, &S::SetName)
                                     .Object("GeneralData", &S::GeneralData)
                                     .Object("Images", &S::Images)
                                     .Object("Patterns", &S::Patterns)
                                     .Build();
  return info;
}

void TsStoredSkin::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsStoredSkin*>(source);
  if (!other) return TCollectionItem::Assign(source);
  name_ = other->name_;
  SetGeneralData(other->GeneralData());
  SetImages(other->Images());
  SetPatterns(other->Patterns());
}

const TClassInfo& TsStoredSkins::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TsStoredSkins, TCollection>("TsStoredSkins").Build();
  return info;
}

TsStoredSkin* TsStoredSkins::Find(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name() == name) return Items(i);
  return nullptr;
}

}  // namespace sSkinManager
