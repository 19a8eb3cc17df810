#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/classes/ChangeClients.h"
#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "framework/forms/Menus.h"

namespace framework {

class TActionList;
class TImageList;

// A command shared by menu items (and later controls): they show its caption, enabled and
// checked state, and run it when clicked.
class TAction : public TComponent {
 public:
  explicit TAction(TComponent* owner) : TComponent(owner) {}
  ~TAction() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);

  // Runs OnExecute when enabled; false when nothing ran.
  bool Execute();
  // Runs OnUpdate, which may change the state before the action is shown or used.
  void Update();

  TActionList* ActionList() const { return list_; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  // A client is told of every change until it leaves or the action is freed.
  void AddClient(const TComponent* client, std::function<void()> changed) {
    clients_.Add(client, std::move(changed));
  }
  void RemoveClient(const TComponent* client) { clients_.Remove(client); }

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 private:
  friend class TActionList;
  class TImageList;
  void Changed();

  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  std::string hint_;
  int imageIndex_ = -1;
  TShortCut shortCut_ = 0;
  TActionList* list_ = nullptr;
  TChangeClients clients_;
};

// The actions of a form.
class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
  ~TActionList() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int index) const;  // EListError outside 0..ActionCount()-1
  void AddAction(TAction* action);
  void RemoveAction(TAction* action);
  void UpdateActions();
  // Runs the enabled, visible action whose shortcut the key is.
  bool IsShortCut(std::uint16_t key, TShiftState shift);
  // The pictures of the actions' image indexes; cleared when the image list is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TAction*> actions_;
  TImageList* images_ = nullptr;
};

}  // namespace framework
