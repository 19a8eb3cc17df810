#include "skinengine/style/sStyleUtil.h"

#include "framework/classes/ClassBuilder.h"

namespace sStyleUtil {

TsPaintStyle::TsPaintStyle(framework::TControl* owner)
    : TsGenStyle(owner), painting_(std::make_unique<TsPainting>(this)) {}

TsPaintStyle::~TsPaintStyle() = default;

const framework::TClassInfo& TsPaintStyle::StaticClassInfo() {
  using S = TsPaintStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, sStyleSimply::TsGenStyle>("TsPaintStyle")
          .Int("GroupIndex", &S::PublishedGroupIndex, &S::SetPublishedGroupIndex,
               framework::NoDefault)
          .Object("Painting", &S::Painting)
          .Build();
  return info;
}

int TsPaintStyle::PaintingTransparency() const {
  const sSkinManager::SkinSectionData* section = Section();
  return section ? section->PaintingTransparency : painting_->Transparency();
}

void TsPaintStyle::ParentColorChanged(platform::TColor color) {
  if (!painting_->ParentColor()) return;
  painting_->TakeParentColor(color);
  Invalidate();
}

TsPassiveBGStyle::TsPassiveBGStyle(framework::TControl* owner)
    : TsPaintStyle(owner), background_(std::make_unique<sStyleActive::TsBackground>(this)) {
  background_->OnChange = [this](framework::TObject*) { Invalidate(); };
}

TsPassiveBGStyle::~TsPassiveBGStyle() = default;

const framework::TClassInfo& TsPassiveBGStyle::StaticClassInfo() {
  static const framework::TClassInfo info =
      framework::TClassBuilder<TsPassiveBGStyle, TsPaintStyle>("TsPassiveBGStyle")
          .Object("Background", &TsPassiveBGStyle::Background)
          .Build();
  return info;
}

TsActiveBGStyle::TsActiveBGStyle(framework::TControl* owner)
    : TsPassiveBGStyle(owner),
      hotStyle_(std::make_unique<sStyleActive::TsHotStyle>(this)),
      btnEffects_(std::make_unique<sStyleActive::TsActiveEffects>(this)) {
  // Another mask cuts the window differently.
  btnEffects_->MaskedBorders()->OnChange = [this](framework::TObject*) {
    SetRegionStale(true);
    Invalidate();
  };
}

TsActiveBGStyle::~TsActiveBGStyle() = default;

const framework::TClassInfo& TsActiveBGStyle::StaticClassInfo() {
  using S = TsActiveBGStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, TsPassiveBGStyle>("TsActiveBGStyle")
          .Object("HotStyle", &S::HotStyle)
          .Object("BtnEffects", &S::BtnEffects)
          .Build();
  return info;
}

}  // namespace sStyleUtil
