#include "framework/forms/Actions.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/Control.h"
#include "framework/forms/ImageList.h"

namespace framework {

TAction::~TAction() {
  if (list_) list_->RemoveAction(this);
}

const TClassInfo& TAction::StaticClassInfo() {
  using A = TAction;
  static const TClassInfo info = TClassBuilder<A, TComponent>("TAction")
                                     .String("Caption", &A::Caption, &A::SetCaption)
                                     .Bool("Checked", &A::Checked, &A::SetChecked, false)
                                     .Bool("Enabled", &A::Enabled, &A::SetEnabled, true)
                                     .String("Hint", &A::Hint, &A::SetHint)
                                     .Int("ImageIndex", &A::ImageIndex, &A::SetImageIndex, -1)
                                     .Int("ShortCut", &A::ShortCut, &A::SetShortCut, 0)
                                     .Bool("Visible", &A::Visible, &A::SetVisible, true)
                                     .Event("OnExecute", &A::OnExecute)
                                     .Event("OnUpdate", &A::OnUpdate)
                                     .Build();
  return info;
}

namespace {
template <class V>
bool Store(V& field, const V& value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

void TAction::SetCaption(const std::string& caption) {
  if (Store(caption_, caption)) Changed();
}
void TAction::SetEnabled(bool enabled) {
  if (Store(enabled_, enabled)) Changed();
}
void TAction::SetChecked(bool checked) {
  if (Store(checked_, checked)) Changed();
}
void TAction::SetVisible(bool visible) {
  if (Store(visible_, visible)) Changed();
}
void TAction::SetHint(const std::string& hint) {
  if (Store(hint_, hint)) Changed();
}
void TAction::SetImageIndex(int index) {
  if (Store(imageIndex_, index)) Changed();
}
void TAction::SetShortCut(TShortCut shortCut) {
  if (Store(shortCut_, shortCut)) Changed();
}

bool TAction::Execute() {
  Update();
  if (!enabled_ || !OnExecute) return false;
  OnExecute(this);
  return true;
}

void TAction::Update() {
  if (OnUpdate) OnUpdate(this);
}

TComponent* TAction::GetParentComponent() const {
  return list_;
}

void TAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TActionList*>(parent)) {
    list->AddAction(this);
  } else if (!parent) {
    if (list_) list_->RemoveAction(this);
  } else {
    throw EInvalidOperation(Format("Action '%s' lies outside an action list", {Name()}));
  }
}

void TAction::Changed() {
  clients_.Notify();
}

TActionList::~TActionList() {
  for (TAction* action : actions_) action->list_ = nullptr;
}

const TClassInfo& TActionList::StaticClassInfo() {
  using L = TActionList;
  static const TClassInfo info = TClassBuilder<L, TComponent>("TActionList")
                                     .Component("Images", &L::Images, &L::SetImages)
                                     .Build();
  return info;
}

void TActionList::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

TAction* TActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount()) throw EListError(index);
  return actions_[static_cast<std::size_t>(index)];
}

void TActionList::AddAction(TAction* action) {
  if (action->list_ == this) return;
  if (action->list_) action->list_->RemoveAction(action);
  actions_.push_back(action);
  action->list_ = this;
}

void TActionList::RemoveAction(TAction* action) {
  const auto it = std::find(actions_.begin(), actions_.end(), action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  action->list_ = nullptr;
}

void TActionList::UpdateActions() {
  for (TAction* action : std::vector<TAction*>(actions_)) action->Update();
}

bool TActionList::IsShortCut(std::uint16_t key, TShiftState shift) {
  const TShortCut wanted = ShortCut(key, shift);
  if (wanted == 0) return false;
  for (TAction* action : std::vector<TAction*>(actions_)) {
    if (action->ShortCut() == wanted && action->Visible()) return action->Execute();
  }
  return false;
}

}  // namespace framework
