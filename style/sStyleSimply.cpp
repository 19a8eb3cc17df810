#include "style/sStyleSimply.h"

#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "skin/sSkinLists.h"

namespace sStyleSimply {

namespace {
constexpr std::string_view BorderMaskName = "BORDERSMASK";
}  // namespace

TsGenStyle::TsGenStyle(TsStyleOwner* owner)
    : ownerControl_(owner), cacheBmp_(std::make_unique<framework::TBitmap>()) {
  ResizeCache();
  effects_ = std::make_unique<TsEffects>(this);
}

TsGenStyle::~TsGenStyle() = default;

const framework::TClassInfo& TsGenStyle::StaticClassInfo() {
  using S = TsGenStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsGenStyle")
          .Object("Effects", &S::Effects)
          .Event("OnMouseEnter", &S::OnMouseEnter)
          .Bool("SoftControl", &S::SoftControl, &S::SetSoftControl, S::DefaultSoftControl)
          .Int("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, framework::NoDefault)
          .String("SkinSection", &S::SkinSection, &S::SetSkinSection)
          .Build();
  return info;
}

void TsGenStyle::SetSoftControl(bool value) {
  softControl_ = value;
  regionStale_ = true;
  Invalidate();
}

void TsGenStyle::SetSkinSection(const std::string& value) {
  if (skinSection_ == value) return;
  skinSection_ = value;
  LookUpSection();
}

void TsGenStyle::BindSkin() {
  if (skinSection_.empty() && ownerControl_) skinSection_ = ownerControl_->OwnerClassName();
  LookUpSection();
}

void TsGenStyle::LookUpSection() {
  skinIndex_ = sSkinManager::FindSectionIndex(skinSection_);
  maskIndex_ = sSkinManager::FindImageIndex(skinIndex_, skinSection_, BorderMaskName);
}

void TsGenStyle::Invalidate() {
  cacheStale_ = true;
  if (ownerControl_) ownerControl_->OwnerInvalidate();
}

void TsGenStyle::RepaintParent() {
  if (ownerControl_) ownerControl_->RepaintOwnerParent();
}

void TsGenStyle::ResizeCache() {
  if (ownerControl_)
    cacheBmp_->SetSize(ownerControl_->OwnerWidth(), ownerControl_->OwnerHeight());
  else
    cacheBmp_->SetSize(0, 0);
}

}  // namespace sStyleSimply
