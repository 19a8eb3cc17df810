#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Object.h"
#include "framework/classes/Set.h"

namespace framework {

enum TComponentStateFlag { csLoading, csReading, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

// A named object in an ownership tree. An owner frees what it owns, last created first.
// Insertion into and removal from an owner are told to the owner and, through it, to every
// component it owns; a component that refers to one it does not own asks for a free
// notification and so hears of its destruction too.
//
// C++ runs base constructors and destructors with the derived part absent: the insertion
// notice goes out while only the TComponent part exists, and the removal notice of a
// component being freed after its derived part is gone. Receivers compare the pointer; they
// cannot ask it for its class. A class whose owned components depend on its own members
// calls DestroyComponents() first thing in its destructor.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Name() const { return name_; }
  // An identifier unique (without regard to case) among the owner's components, or empty.
  // Raises EComponentError otherwise, or when the owner's field of that name has another
  // class. The owner's published field of the old name is cleared, that of the new one set.
  void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  TComponent* Owner() const { return owner_; }
  TPersistent* GetOwner() const override { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;  // EListError outside 0..ComponentCount()-1
  int ComponentIndex() const;               // place in the owner's list; -1 without owner
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  // Marks this component and everything it owns as being designed, or not.
  void SetDesigning(bool designing);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees the owned components, last created first.
  void DestroyComponents();

  // Asks component to call Notification(this, opRemove) when it is freed, and the other way
  // round. Components of the same owner need not: the owner tells them.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The object that encloses this one in a stored description (a control's parent); the
  // reader hands it over before the component's properties are applied.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}

 protected:
  // Told of insertion and removal; the default passes it on to the owned components and
  // forgets a free notification link to a removed component.
  virtual void Notification(TComponent* component, TOperation operation);
  // Runs once the whole stored description has been read and its references resolved,
  // for every component it created, in creation order; csLoading is still set.
  virtual void Loaded() {}
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

 private:
  friend class TDescriptionReader;

  void CheckName(const std::string& name, const TComponent* owner) const;
  void SetReference(bool enable);
  void RemoveFreeNotifications();

  std::string name_;
  int tag_ = 0;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};

}  // namespace framework
