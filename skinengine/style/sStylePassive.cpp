#include "skinengine/style/sStylePassive.h"

#include <cstddef>
#include <cstdint>

#include "framework/classes/ClassBuilder.h"
#include "framework/runtime/Text.h"
#include "skinengine/skin/sMessages.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/style/sStyleSimply.h"

namespace sStylePassive {

namespace {
int FirstImage(std::string_view sectionName, std::string_view propertyName) {
  const auto& images = sSkinManager::SkinImages();
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (framework::SameText(images[i].PropertyName, propertyName) &&
        framework::SameText(images[i].SectionName, sectionName))
      return static_cast<int>(i);
  }
  return -1;
}
}  // namespace

TsPassivePaintStyle::TsPassivePaintStyle(framework::TComponent* form)
    : form_(form),
      bitmap_(std::make_unique<framework::TBitmap>()),
      shadow_(std::make_unique<TsPassiveShadow>(this)),
      painting_(std::make_unique<TsPassivePainting>(this)),
      background_(std::make_unique<sStyleActive::TsBackground>(this)) {}

TsPassivePaintStyle::~TsPassivePaintStyle() = default;

const framework::TClassInfo& TsPassivePaintStyle::StaticClassInfo() {
  using S = TsPassivePaintStyle;
  static const framework::TClassInfo info =
      framework::TClassBuilder<S, framework::TPersistent>("TsPassivePaintStyle")
          .Object("Background", &S::Background)
          .Object("Shadow", &S::Shadow)
          .Object("Painting", &S::Painting)
          .Int("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, S::DefaultGroupIndex)
          .String("SkinSection", &S::SkinSection, &S::SetSkinSection)
          .Build();
  return info;
}

bool TsPassivePaintStyle::HandleKitMessage(platform::TMessage& message) {
  const auto group = static_cast<platform::WPARAM>(static_cast<std::int64_t>(groupIndex_));
  if (message.WParam != group && message.WParam != sMessages::FrameGroupIndex) return false;
  switch (message.Msg) {
    case sMessages::SM_GETSTYLE:
      sMessages::ReplyStyle(message, 1, this);
      return true;
    case sMessages::SM_SKINLOADED:
      BindSkin();
      return true;
    case sMessages::SM_SKINREMOVED:
      UnbindSkin();
      return true;
    default:
      return false;
  }
}

void TsPassivePaintStyle::BindSkin() {
  skinIndex_ = SectionIndexOf();
  maskIndex_ = ImageIndexOf("BORDERSMASK");
}

void TsPassivePaintStyle::UnbindSkin() {
  skinIndex_ = -1;
  maskIndex_ = -1;
}

int TsPassivePaintStyle::SectionIndexOf() const {
  return sSkinManager::FindSectionIndex(skinSection_);
}

int TsPassivePaintStyle::ImageIndexOf(std::string_view propertyName) const {
  if (!sSkinManager::SkinLoaded() || skinSection_.empty()) return -1;
  const int own = FirstImage(skinSection_, propertyName);
  const auto& sections = sSkinManager::SkinSections();
  if (own >= 0 || skinIndex_ < 0 || static_cast<std::size_t>(skinIndex_) >= sections.size())
    return own;
  return FirstImage(sections[static_cast<std::size_t>(skinIndex_)].ParentClassName, propertyName);
}

}  // namespace sStylePassive
