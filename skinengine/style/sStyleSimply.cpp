#include "skinengine/style/sStyleSimply.h"

#include <cstddef>
#include <string_view>

#include "framework/classes/ClassBuilder.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinLists.h"

namespace sStyleSimply {

namespace {
constexpr std::string_view BorderMaskName = "BORDERSMASK";
}  // namespace

TsGenStyle::TsGenStyle(framework::TControl* owner)
    : ownerControl_(owner), cacheBmp_(std::make_unique<framework::TBitmap>()) {
  ResizeCache();
  effects_ = std::make_unique<TsEffects>(this);
}

// A vanishing control takes its shadow with it. The cache and the effects go last, in this
// order; an enabled shadow is switched off on its way out.
TsGenStyle::~TsGenStyle() {
  const framework::TControl* parent = ownerControl_ ? ownerControl_->Parent() : nullptr;
  if (parent && !parent->ComponentState().Contains(framework::csDestroying)) RepaintParent();
  cacheBmp_.reset();
  effects_.reset();
}

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
  if (skinSection_.empty() && ownerControl_) skinSection_ = ownerControl_->ClassName();
  LookUpSection();
}

void TsGenStyle::LookUpSection() {
  skinIndex_ = sSkinManager::FindSectionIndex(skinSection_);
  maskIndex_ = sSkinManager::FindImageIndex(skinIndex_, skinSection_, BorderMaskName);
}

const sSkinManager::SkinSectionData* TsGenStyle::Section() const {
  const auto& sections = sSkinManager::SkinSections();
  if (skinIndex_ < 0 || static_cast<std::size_t>(skinIndex_) >= sections.size()) return nullptr;
  return &sections[static_cast<std::size_t>(skinIndex_)];
}

bool TsGenStyle::SectionShadow() const {
  const sSkinManager::SkinSectionData* section = Section();
  return section && section->ShadowEnabled;
}

void TsGenStyle::Invalidate() {
  cacheStale_ = true;
  if (ownerControl_) ownerControl_->Invalidate();
}

void TsGenStyle::RepaintParent() {
  framework::TWinControl* parent = ownerControl_ ? ownerControl_->Parent() : nullptr;
  if (!parent) return;
  parent->Perform(sMessages::SM_REBUILDCACHE, 0, sMessages::RebuildParam);
  parent->Repaint();
}

void TsGenStyle::ResizeCache() {
  if (ownerControl_)
    cacheBmp_->SetSize(ownerControl_->Width(), ownerControl_->Height());
  else
    cacheBmp_->SetSize(0, 0);
}

void TsGenStyle::CopyCache(platform::Canvas& dc, const platform::TRect& rect) {
  cacheStale_ = false;
  platform::Canvas source(cacheBmp_->Data());
  dc.CopyRect(rect, source, rect);
}

TsButtonOwner* TsGenStyle::ButtonOwner() const {
  return dynamic_cast<TsButtonOwner*>(ownerControl_);
}

TsCheckOwner* TsGenStyle::CheckOwner() const {
  return dynamic_cast<TsCheckOwner*>(ownerControl_);
}

}  // namespace sStyleSimply
