#include "skinengine/controls/sEdit.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Messages.h"

namespace sEdit {

using namespace framework;

TsEdit::TsEdit(TComponent* owner)
    : TCustomEdit(owner), sStyle_(std::make_unique<sStyleEdits::TsStyle>(this)) {
  sStyle_->SetControlKind(sStyleSimply::KindEdit);
  SetBorderStyle(bsNone);
  SetParentFont(true);
  SetAutoSize(false);
  SetCtl3D(false);
  SetHeight(21);
  // A handler stored with the form replaces this one.
  OnKeyDown = sStyle_->FocusKeyHandler();
  sStyle_->BindSkin();
}

// Messages that still reach the field while its style goes find none.
TsEdit::~TsEdit() {
  Destroying();
  OnKeyDown = nullptr;
  const std::unique_ptr<sStyleEdits::TsStyle> style = std::move(sStyle_);
}

const TClassInfo& TsEdit::StaticClassInfo() {
  using E = TsEdit;
  static const TClassInfo info =
      TClassBuilder<E, TCustomEdit>("TsEdit")
          .Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true)
          .Char("PasswordChar", &E::PasswordChar, &E::SetPasswordChar, 0)
          .Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false)
          .Int("MaxLength", &E::MaxLength, &E::SetMaxLength, 0)
          .String("Text", &E::Text, &E::SetText)
          .Enum("CharCase", EditCharCaseType, &E::CharCase, &E::SetCharCase, ecNormal)
          .Object("sStyle", &E::sStyle)
          .Bool("TabStop", &E::TabStop, &E::SetTabStop, true)
          .Event("OnChange", &E::OnChange)
          .Build();
  return info;
}

bool TsEdit::Busy() const {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csDestroying);
}

void TsEdit::Loaded() {
  TCustomEdit::Loaded();
  sStyle_->BindSkin();
}

int TsEdit::FrameWidth() const {
  return TCustomEdit::FrameWidth() + FrameSize;
}

// The style decides first; what it reports handled (result 1) goes no further.
void TsEdit::WndProc(TMessage& m) {
  if (!sStyle_) return TCustomEdit::WndProc(m);
  sStyle_->HandleMessage(m);
  if (m.Result == 1) return;
  if (m.Msg == platform::WM_NCPAINT) {
    if (Busy()) return;
    SetColor(sStyle_->BackgroundColor());
  }
  TCustomEdit::WndProc(m);
}

void TsEdit::Invalidate() {
  if (sStyle_ && !Busy()) {
    SetColor(sStyle_->BackgroundColor());
    if (ComponentState().Contains(csDesigning)) sStyle_->SetCacheStale(true);
    if (Parent()) PaintFrame();
  }
  TCustomEdit::Invalidate();
}

}  // namespace sEdit
