#include "framework/classes/Component.h"

#include <algorithm>

#include "framework/classes/ClassBuilder.h"
#include "framework/runtime/Text.h"

namespace framework {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TComponent, TPersistent>("TComponent")
                                     .Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                     .Build();
  return info;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError(Format(SInvalidName, {name}));
  CheckName(name, owner_);
  SetReference(false);
  name_ = name;
  SetReference(true);
}

void TComponent::CheckName(const std::string& name, const TComponent* owner) const {
  if (!owner || name.empty()) return;
  for (const TComponent* c : owner->components_)
    if (c != this && SameText(c->name_, name))
      throw EComponentError(Format(SDuplicateName, {name}));
  const TFieldInfo* field = owner->ClassInfo().FindField(name);
  if (field && !InheritsFrom(*field->Class))
    throw EComponentError(Format(SInvalidReference, {name, field->Class->Name()}));
}

// Keeps the owner's published field of this component's name pointing at it.
void TComponent::SetReference(bool enable) {
  if (!owner_ || name_.empty()) return;
  const TFieldInfo* field = owner_->ClassInfo().FindField(name_);
  if (!field) return;
  if (enable && InheritsFrom(*field->Class)) field->Set(*owner_, this);
  if (!enable && field->Get(*owner_) == this) field->Set(*owner_, nullptr);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(index);
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return static_cast<int>(std::ranges::find(list, this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  const auto it = std::ranges::find_if(
      components_, [&](const TComponent* c) { return SameText(c->name_, name); });
  return it == components_.end() ? nullptr : *it;
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_ == this) return;
  for (const TComponent* o = this; o; o = o->owner_)
    if (o == component) throw EComponentError(Format(SCircularOwner, {component->ClassName()}));
  component->CheckName(component->name_, this);
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  component->SetReference(true);
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this) return;
  component->SetReference(false);
  std::erase(components_, component);
  component->owner_ = nullptr;
  Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (owner_ && component->owner_ == owner_) return;
  if (std::ranges::find(freeNotifies_, component) != freeNotifies_.end()) return;
  freeNotifies_.push_back(component);
  component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

void TComponent::RemoveFreeNotifications() {
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveFreeNotification(component);
  // A receiver may free components while being told; walk from the end and stay in range.
  for (auto i = static_cast<std::ptrdiff_t>(components_.size()) - 1; i >= 0; --i) {
    i = std::min(i, static_cast<std::ptrdiff_t>(components_.size()) - 1);
    if (i >= 0) components_[static_cast<std::size_t>(i)]->Notification(component, operation);
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

}  // namespace framework
