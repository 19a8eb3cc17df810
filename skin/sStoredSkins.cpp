#include "skin/sStoredSkins.h"

#include "framework/classes/ClassBuilder.h"
#include "skin/sBevelTypes.h"

namespace sSkinManager {

using framework::NoDefault;
using framework::TClassBuilder;
using framework::TClassInfo;
using framework::TCollection;
using framework::TCollectionItem;
using framework::TPersistent;

const TClassInfo& TsSkinGeneral::StaticClassInfo() {
  using G = TsSkinGeneral;
  using V = TsGeneralValues;
  static const TClassInfo info =
      TClassBuilder<G, TCollectionItem>("TsSkinGeneral")
          .String("SectionName", &G::Get<&V::SectionName>, &G::Set<&V::SectionName>)
          .String("ParentClassName", &G::Get<&V::ParentClassName>, &G::Set<&V::ParentClassName>)
          .Color("PaintingColor", &G::Get<&V::PaintingColor>, &G::Set<&V::PaintingColor>, NoDefault)
          .Enum("PaintingBevel", sBevelTypes::ControlBevelType, &G::Get<&V::PaintingBevel>,
                &G::Set<&V::PaintingBevel>, NoDefault)
          .Int("PaintingBevelWidth", &G::Get<&V::PaintingBevelWidth>,
               &G::Set<&V::PaintingBevelWidth>, NoDefault)
          .Int("ShadowBlur", &G::Get<&V::ShadowBlur>, &G::Set<&V::ShadowBlur>, NoDefault)
          .Color("ShadowColor", &G::Get<&V::ShadowColor>, &G::Set<&V::ShadowColor>, NoDefault)
          .Bool("ShadowDontUse", &G::Get<&V::ShadowDontUse>, &G::Set<&V::ShadowDontUse>, NoDefault)
          .Bool("ShadowEnabled", &G::Get<&V::ShadowEnabled>, &G::Set<&V::ShadowEnabled>, NoDefault)
          .Bool("ReservedBoolean", &G::Get<&V::ReservedBoolean>, &G::Set<&V::ReservedBoolean>,
                NoDefault)
          .Int("ShadowOffset", &G::Get<&V::ShadowOffset>, &G::Set<&V::ShadowOffset>, NoDefault)
          .Int("ShadowTransparency", &G::Get<&V::ShadowTransparency>,
               &G::Set<&V::ShadowTransparency>, NoDefault)
          .String("FontColor", &G::Get<&V::FontColor>, &G::Set<&V::FontColor>)
          .String("HotFontColor", &G::Get<&V::HotFontColor>, &G::Set<&V::HotFontColor>)
          .Int("PaintingTransparency", &G::Get<&V::PaintingTransparency>,
               &G::Set<&V::PaintingTransparency>, NoDefault)
          .Int("GradientPercent", &G::Get<&V::GradientPercent>, &G::Set<&V::GradientPercent>,
               NoDefault)
          .String("GradientData", &G::GetGradient<&V::GradientData>,
                  &G::SetGradient<&V::GradientData>)
          .Int("ImagePercent", &G::Get<&V::ImagePercent>, &G::Set<&V::ImagePercent>, NoDefault)
          .Bool("ShowFocus", &G::Get<&V::ShowFocus>, &G::Set<&V::ShowFocus>, NoDefault)
          .Bool("FadingEnabled", &G::Get<&V::FadingEnabled>, &G::Set<&V::FadingEnabled>, NoDefault)
          .Int("FadingIntervalIn", &G::Get<&V::FadingIntervalIn>, &G::Set<&V::FadingIntervalIn>,
               NoDefault)
          .Int("FadingIntervalOut", &G::Get<&V::FadingIntervalOut>, &G::Set<&V::FadingIntervalOut>,
               NoDefault)
          .Int("FadingIterations", &G::Get<&V::FadingIterations>, &G::Set<&V::FadingIterations>,
               NoDefault)
          .Color("HotPaintingColor", &G::Get<&V::HotPaintingColor>, &G::Set<&V::HotPaintingColor>,
                 NoDefault)
          .Int("HotPaintingTransparency", &G::Get<&V::HotPaintingTransparency>,
               &G::Set<&V::HotPaintingTransparency>, NoDefault)
          .Enum("HotPaintingBevel", sBevelTypes::ControlBevelType, &G::Get<&V::HotPaintingBevel>,
                &G::Set<&V::HotPaintingBevel>, NoDefault)
          .Int("HotPaintingBevelWidth", &G::Get<&V::HotPaintingBevelWidth>,
               &G::Set<&V::HotPaintingBevelWidth>, NoDefault)
          .Int("HotGradientPercent", &G::Get<&V::HotGradientPercent>,
               &G::Set<&V::HotGradientPercent>, NoDefault)
          .String("HotGradientData", &G::GetGradient<&V::HotGradientData>,
                  &G::SetGradient<&V::HotGradientData>)
          .Int("HotImagePercent", &G::Get<&V::HotImagePercent>, &G::Set<&V::HotImagePercent>,
               NoDefault)
          .Color("PaintingColorBorderTop", &G::Get<&V::PaintingColorBorderTop>,
                 &G::Set<&V::PaintingColorBorderTop>, NoDefault)
          .Color("PaintingColorBorderBottom", &G::Get<&V::PaintingColorBorderBottom>,
                 &G::Set<&V::PaintingColorBorderBottom>, NoDefault)
          .Enum("SelectionBorderBevel", sBevelTypes::EditorBevelType,
                &G::Get<&V::SelectionBorderBevel>, &G::Set<&V::SelectionBorderBevel>, NoDefault)
          .Int("SelectionBorderWidth", &G::Get<&V::SelectionBorderWidth>,
               &G::Set<&V::SelectionBorderWidth>, NoDefault)
          .Color("SelectionColor", &G::Get<&V::SelectionColor>, &G::Set<&V::SelectionColor>,
                 NoDefault)
          .String("Name", &G::Get<&V::Name>, &G::Set<&V::Name>)
          .Build();
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

TsSkinImage::TsSkinImage(TCollection* collection)
    : TCollectionItem(collection), image_(std::make_unique<framework::TBitmap>()) {}

TsSkinImage::~TsSkinImage() = default;

const TClassInfo& TsSkinImage::StaticClassInfo() {
  using I = TsSkinImage;
  static const TClassInfo info = TClassBuilder<I, TCollectionItem>("TsSkinImage")
                                     .String("SectionName", &I::SectionName, &I::SetSectionName)
                                     .Object("Image", &I::Image)
                                     .String("Name", &I::Name, &I::SetName)
                                     .String("PropertyName", &I::PropertyName, &I::SetPropertyName)
                                     .Build();
  return info;
}

void TsSkinImage::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsSkinImage*>(source);
  if (!other) return TCollectionItem::Assign(source);
  sectionName_ = other->sectionName_;
  SetImage(other->Image());
  name_ = other->name_;
  propertyName_ = other->propertyName_;
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

TsSkinPattern::TsSkinPattern(TCollection* collection)
    : TCollectionItem(collection), image_(std::make_unique<TsPatternImage>()) {}

TsSkinPattern::~TsSkinPattern() = default;

const TClassInfo& TsSkinPattern::StaticClassInfo() {
  using P = TsSkinPattern;
  static const TClassInfo info = TClassBuilder<P, TCollectionItem>("TsSkinPattern")
                                     .String("SectionName", &P::SectionName, &P::SetSectionName)
                                     .Object("Image", &P::Image)
                                     .String("Name", &P::Name, &P::SetName)
                                     .String("PropertyName", &P::PropertyName, &P::SetPropertyName)
                                     .Build();
  return info;
}

void TsSkinPattern::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsSkinPattern*>(source);
  if (!other) return TCollectionItem::Assign(source);
  sectionName_ = other->sectionName_;
  SetImage(other->Image());
  name_ = other->name_;
  propertyName_ = other->propertyName_;
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
