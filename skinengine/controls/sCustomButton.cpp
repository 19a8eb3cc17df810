#include "skinengine/controls/sCustomButton.h"

#include <string_view>

#include "framework/classes/ClassBuilder.h"

namespace sCustomButton {

using namespace framework;
using sButtonControl::ButtonLayoutType;
using sButtonControl::ToolButtonStyleType;

namespace {
constexpr std::string_view DisabledGlyphKindNames[] = {"dgBlended", "dgGrayed"};
}

const TEnumType DisabledGlyphKindType{"TsDisabledGlyphKind", DisabledGlyphKindNames};

// Binding needs the class name, which only the last constructor knows.
TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TsButtonControl(owner), glyph_(std::make_unique<TBitmap>()) {
  sStyle()->SetControlKind(sStyleSimply::KindSpeedButton);
  sStyle()->BindSkin();
  glyph_->OnChange = [this](TObject*) { sStyle()->Invalidate(); };
}

// The lists still alive must not tell a button that is gone.
TsSpeedButton::~TsSpeedButton() {
  for (TImageList* list : {images_, imagesGrayed_, imagesDisabled_})
    if (list) list->RemoveClient(this);
  glyph_->OnChange = nullptr;
}

const TClassInfo& TsSpeedButton::StaticClassInfo() {
  using B = TsSpeedButton;
  static const TClassInfo info =
      TClassBuilder<B, sButtonControl::TsButtonControl>("TsSpeedButton")
          .Component("Action", &B::Action, &B::SetAction)
          .String("Caption", &B::Caption, &B::SetCaption)
          .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, B::DefaultNumGlyphs)
          .Bool("ShowCaption", &B::ShowCaption, &B::SetShowCaption, B::DefaultShowCaption)
          .Int("Spacing", &B::Spacing, &B::SetSpacing, B::DefaultSpacing)
          .Int("ImageIndex", &B::ImageIndex, &B::SetImageIndex, B::DefaultImageIndex)
          .Component("DropdownMenu", &B::DropdownMenu, &B::SetDropdownMenu)
          .Bool("Grayed", &B::Grayed, &B::SetGrayed, B::DefaultGrayed)
          .Int("Blend", &B::Blend, &B::SetBlend, B::DefaultBlend)
          .Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, B::DefaultAllowAllUp)
          .Int("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, B::DefaultGroupIndex)
          .Enum("ButtonStyle", ToolButtonStyleType, &B::ButtonStyle, &B::SetButtonStyle,
                B::DefaultButtonStyle)
          .Bool("Down", &B::Down, &B::SetDown, B::DefaultDown)
          .Enum("Layout", ButtonLayoutType, &B::Layout, &B::SetLayout, NoDefault)
          .Event("OnChange", &B::OnChange)
          .Object("Glyph", &B::Glyph)
          .Set("DisabledGlyphKind", DisabledGlyphKindType, &B::DisabledGlyphKind,
               &B::SetDisabledGlyphKind, B::DefaultDisabledGlyphKind)
          .Component("Images", &B::Images, &B::SetImages)
          .Component("ImagesGrayed", &B::ImagesGrayed, &B::SetImagesGrayed)
          .Component("ImagesDisabled", &B::ImagesDisabled, &B::SetImagesDisabled)
          .Build();
  return info;
}

void TsSpeedButton::SetGlyph(const TBitmap* glyph) {
  glyph_->Assign(glyph);
}

void TsSpeedButton::SetDisabledGlyphKind(TDisabledGlyphKind kind) {
  if (kind == disabledGlyphKind_) return;
  disabledGlyphKind_ = kind;
  sStyle()->Invalidate();
}

// One change link serves every list the button shows.
void TsSpeedButton::SetImageList(TImageList*& field, TImageList* list) {
  if (list == field) return;
  TImageList* previous = field;
  field = list;
  if (previous && previous != images_ && previous != imagesGrayed_ && previous != imagesDisabled_) {
    previous->RemoveClient(this);
    previous->RemoveFreeNotification(this);
  }
  if (list) {
    list->AddClient(this, [this] { sStyle()->Invalidate(); });
    list->FreeNotification(this);
  }
  sStyle()->Invalidate();
}

void TsSpeedButton::Notification(TComponent* component, TOperation operation) {
  TsButtonControl::Notification(component, operation);
  if (operation != opRemove) return;
  for (TImageList** field : {&images_, &imagesGrayed_, &imagesDisabled_})
    if (*field == component) *field = nullptr;
}

int TsSpeedButton::ArrowWidth() const {
  return ButtonStyle() == sStyleSimply::tbsDropDown ? BevelWidth() * 2 + 16 : 0;
}

int TsSpeedButton::GlyphWidth() const {
  if (glyph_->Width() >= 1) return glyph_->Width() / NumGlyphs();
  const TImageList* list = CurrentImages();
  return list ? list->Width() : 0;
}

int TsSpeedButton::GlyphHeight() const {
  if (glyph_->Height() > 0) return glyph_->Height();
  const TImageList* list = CurrentImages();
  return list ? list->Height() : 0;
}

void TsSpeedButton::ActionChange(const TAction& action, bool checkDefaults) {
  const TActionList* actions = action.ActionList();
  if (!images_ && actions && actions->Images()) SetImages(actions->Images());
  if (action.ImageIndex() != ImageIndex() && (!checkDefaults || ImageIndex() == DefaultImageIndex))
    SetImageIndex(action.ImageIndex());
  TsButtonControl::ActionChange(action, checkDefaults);
}

void TsSpeedButton::DownChanged() {
  if (ButtonStyle() == sStyleSimply::tbsCheck && OnChange) OnChange(this);
}

}  // namespace sCustomButton
