#include "skinengine/frame/sSkinProvider.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Menus.h"
#include "platform/window/Input.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sControlClasses.h"
#include "skinengine/frame/sSkinProviderSystemMenu.h"
#include "skinengine/skin/sMessages.h"

namespace sSkinProvider {

using framework::TComponent;
using framework::TCustomForm;
using platform::HWND;
using platform::TMessage;

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner),
      buttonStrip_(std::make_unique<framework::TBitmap>()),
      menuBarStrip_(std::make_unique<framework::TBitmap>()) {
  for (TComponent* c = owner; c && !form_; c = c->Owner()) form_ = dynamic_cast<TCustomForm*>(c);
  frameStyle_ = std::make_unique<sStylePassive::TsPassivePaintStyle>(form_);
  frameStyle_->SetSkinSection("FORM");
  frameStyle_->SetControlKind(FrameKind);
  systemMenu_ = new TsSystemMenu(this);
  if (!form_) return;
  formAutoScroll_ = form_->AutoScroll();
  form_->SetAutoScroll(false);
  formBorderIcons_ = form_->BorderIcons();
  TakeManager(sSkinManager::SkinData().ActiveManager);
  if (sSkinManager::SkinData().Active && !Designing()) EmptyFormBorderIcons();
  systemMenu_->UpdateItems();
  InstallProc();
  frameStyle_->BindSkin();
  ResolveButtonImages();
  cacheStale_ = true;
}

TsSkinProvider::~TsSkinProvider() {
  if (form_) {
    if (!form_->ComponentState().Contains(framework::csDestroying))
      form_->SetAutoScroll(formAutoScroll_);
    // The form's messages must not reach a provider that is gone.
    if (UsesOwnProc()) form_->WindowProc = savedProc_;
  }
  delete systemMenu_;
}

const framework::TClassInfo& TsSkinProvider::StaticClassInfo() {
  using P = TsSkinProvider;
  static const framework::TClassInfo info =
      framework::TClassBuilder<P, TComponent>("TsSkinProvider")
          .Set("BorderIcons", framework::BorderIconType, &P::BorderIcons, &P::SetBorderIcons,
               P::DefaultBorderIcons)
          .Build();
  return info;
}

void TsSkinProvider::FrameStyleMessage(TMessage& message) {
  if (!frameStyle_->HandleKitMessage(message) || !form_) return;
  if (message.Msg == sMessages::SM_SKINLOADED) SkinLoaded();
  if (message.Msg == sMessages::SM_SKINREMOVED) SkinRemoved();
}

const framework::TBitmap* TsSkinProvider::MenuBarStrip() const {
  return menuBarShown_ ? menuBarStrip_.get() : nullptr;
}

void TsSkinProvider::InstallProc() {
  savedProc_ = form_->WindowProc;
  form_->WindowProc = TProc{this};
}

bool TsSkinProvider::UsesOwnProc() const {
  const TProc* proc = form_->WindowProc.target<TProc>();
  return proc && proc->Provider == this;
}

void TsSkinProvider::SkinLoaded() {
  ResolveButtonImages();
  if (!manager_) TakeManager(sSkinManager::SkinData().ActiveManager);
  if (!Designing()) EmptyFormBorderIcons();
  if (!UsesOwnProc()) {
    InstallProc();
    formActive_ = platform::GetActiveWindow() == Window();
  }
  cacheStale_ = true;
  if (sSkinManager::TsMenuPainter* painter = MenuPainter()) {
    painter->SkinAll(sSkinManager::SkinData().Active);
    painter->FlushPictureCache();
  }
  platform::SendMessage(Window(), platform::WM_PAINT);
  platform::SendMessage(Window(), platform::WM_NCPAINT);
}

void TsSkinProvider::SkinRemoved() {
  cacheStale_ = true;
  if (Designing() || !manager_) return;
  if (sSkinManager::TsMenuPainter* painter = MenuPainter()) {
    painter->FlushPictureCache();
    painter->SkinAll(false);
  }
  platform::SetWindowRgn(Window(), std::nullopt, true);
  regionApplied_ = false;
  // The platform paints its own frame again once the window is repainted as a whole.
  if (form_->BorderIcons() == formBorderIcons_)
    platform::RedrawWindow(
        Window(), nullptr,
        platform::RDW_FRAME | platform::RDW_INVALIDATE | platform::RDW_ALLCHILDREN);
  else
    form_->SetBorderIcons(formBorderIcons_);
}

// The platform's own title buttons give way to the provider's.
void TsSkinProvider::EmptyFormBorderIcons() {
  try {
    form_->SetBorderIcons({});
  } catch (const std::exception&) {
    sSkinManager::ShowError(BorderIconsError);
  }
}

void TsSkinProvider::ResolveButtonImages() {
  const auto image = [this](TsTitleButtonKind kind, const char* name) {
    buttons_[static_cast<std::size_t>(kind)].ImageIndex = frameStyle_->ImageIndexOf(name);
  };
  image(TsTitleButtonKind::Minimize, "BICONMIN");
  image(TsTitleButtonKind::Close, "BICONCLOSE");
  image(TsTitleButtonKind::Help, "BICONHELP");
  maximizeImage_ = frameStyle_->ImageIndexOf("BICONMAX");
  restoreImage_ = frameStyle_->ImageIndexOf("BICONNORM");
}

// A manager on another form must still tell the provider when it goes.
void TsSkinProvider::TakeManager(sSkinManager::TsSkinManager* manager) {
  manager_ = manager;
  if (manager_) manager_->FreeNotification(this);
}

sSkinManager::TsMenuPainter* TsSkinProvider::MenuPainter() const {
  return manager_ ? manager_->SkinableMenus() : nullptr;
}

void TsSkinProvider::HandOverBarItems() {
  auto* menu = dynamic_cast<framework::TMainMenu*>(form_->Menu());
  sSkinManager::TsMenuPainter* painter = MenuPainter();
  if (!menu || !painter) return;
  const bool on = sSkinManager::SkinData().Active;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    painter->PrepareItem(menu->Items()->Items(i), on);
}

void TsSkinProvider::Notification(TComponent* component, framework::TOperation operation) {
  TComponent::Notification(component, operation);
  const bool inserted = operation == framework::opInsert;
  if (!inserted && component == manager_) manager_ = nullptr;
  if (inserted && !manager_) TakeManager(dynamic_cast<sSkinManager::TsSkinManager*>(component));
  sSkinManager::TsMenuPainter* painter = MenuPainter();
  // A component that is being freed is past taking over or letting go.
  if (!painter || Designing() || component->ComponentState().Contains(framework::csDestroying))
    return;
  if (auto* menu = dynamic_cast<framework::TMainMenu*>(component))
    painter->HookMainMenu(menu, inserted);
  else if (auto* item = dynamic_cast<framework::TMenuItem*>(component))
    painter->HookItemTree(item, inserted);
}

bool TsSkinProvider::Designing() const {
  return ComponentState().Contains(framework::csDesigning);
}

bool TsSkinProvider::HasBorder() const {
  return form_->BorderStyle() != framework::bsNone;
}

platform::WindowState TsSkinProvider::WindowState() const {
  return platform::GetWindowState(Window());
}

bool TsSkinProvider::CanMaximize() const {
  return borderIcons_.Contains(framework::biMaximize) &&
         WindowState() != platform::WindowState::Maximized;
}

bool TsSkinProvider::CanRestore() const {
  return borderIcons_.Contains(framework::biMaximize) &&
         WindowState() != platform::WindowState::Normal;
}

bool TsSkinProvider::CanMinimize() const {
  return borderIcons_.Contains(framework::biMinimize) &&
         WindowState() != platform::WindowState::Minimized;
}

bool TsSkinProvider::HasMinMaxButtons() const {
  return form_->BorderStyle() == framework::bsSingle ||
         form_->BorderStyle() == framework::bsSizeable;
}

// The items follow the window's state and the border icons as they are now, which may have
// changed since the last title-button action (the stored border icons arrive after
// construction, the window manager may change the state).
void TsSkinProvider::ShowSystemMenu(platform::TPoint screen) {
  systemMenu_->UpdateItems();
  systemMenu_->Popup(screen.X, screen.Y);
}

TsSkinProvider* FindProvider(framework::TControl* control) {
  return dynamic_cast<TsSkinProvider*>(sSkinManager::FramePainterOf(control));
}

void RegisterSkinClasses(framework::TClassRegistry& classes) {
  sControlClasses::RegisterSkinControlClasses(classes);
  classes.Register(TsSkinProvider::StaticClassInfo());
}

}  // namespace sSkinProvider
