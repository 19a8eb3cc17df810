#include "skinengine/controls/sSkinMenus.h"

#include <set>

#include "framework/classes/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "skinengine/controls/sSkinMenusCache.h"
#include "skinengine/skin/sSkinLists.h"
#include "skinengine/skin/sSkinManager.h"

namespace sSkinMenus {

using framework::TComponent;
using framework::TMenuItem;

// The items that carry a painter's handlers, each forgotten when it is freed, so that a
// painter going before its menus takes its handlers with it.
class TsHookedItems : public TComponent {
 public:
  TsHookedItems() : TComponent(nullptr) {}

  void Add(TMenuItem& item) {
    if (items_.insert(&item).second) item.FreeNotification(this);
  }
  void Remove(TMenuItem& item) {
    if (items_.erase(&item) > 0) item.RemoveFreeNotification(this);
  }
  const std::set<TComponent*>& Items() const { return items_; }

 protected:
  void Notification(TComponent* component, framework::TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == framework::opRemove) items_.erase(component);
  }

 private:
  std::set<TComponent*> items_;
};

namespace {

bool IsBarItem(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  return parent && !parent->Parent() &&
         dynamic_cast<const framework::TMainMenu*>(item.GetParentMenu());
}

bool SkinActive() {
  return sSkinManager::SkinData().Active && sSkinManager::SkinLoaded();
}

}  // namespace

TsMenuItemType ItemType(const TMenuItem& item) {
  const std::string& caption = item.Caption();
  if (caption == "-") return smDivider;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return smCaption;
  // By place rather than by name, as unnamed items all share the empty name.
  if (IsBarItem(item)) return smTopLine;
  return smNormal;
}

TsSkinableMenus::TsSkinableMenus(sSkinManager::TsSkinManager* manager)
    : TsMenuPainter(manager),
      font_(std::make_unique<framework::TFont>()),
      captionFont_(std::make_unique<framework::TFont>()),
      hooked_(std::make_unique<TsHookedItems>()) {}

TsSkinableMenus::~TsSkinableMenus() {
  const std::set<TComponent*> items = hooked_->Items();
  for (TComponent* item : items) Release(static_cast<TMenuItem&>(*item));
}

const framework::TClassInfo& TsSkinableMenus::StaticClassInfo() {
  using M = TsSkinableMenus;
  static const framework::TClassInfo info =
      framework::TClassBuilder<M, framework::TPersistent>("TsSkinableMenus")
          .Object("Font", &M::Font)
          .Int("Margin", &M::Margin, &M::SetMargin, DefaultMargin)
          .Enum("Alignment", framework::AlignmentType, &M::Alignment, &M::SetAlignment,
                framework::taLeftJustify)
          .Int("BevelWidth", &M::BevelWidth, &M::SetBevelWidth, 0)
          .Int("BorderWidth", &M::BorderWidth, &M::SetBorderWidth, 0)
          .Object("CaptionFont", &M::CaptionFont)
          .Event("OnDrawItem", &M::OnDrawItem)
          .Build();
  return info;
}

// --- Handlers of this painter -------------------------------------------------------------

template <auto Method, class Event>
bool TsSkinableMenus::IsOwn(const Event& event) const {
  const auto* handler = event.template target<THandler<Method>>();
  return handler && handler->Painter == this;
}

template <auto Method, class Event>
void TsSkinableMenus::Install(TMenuItem& item, Event& event) {
  event = THandler<Method>{this};
  hooked_->Add(item);
}

void TsSkinableMenus::SetBarHandlers(TMenuItem& item, bool draw) {
  if (draw) Install<&TsSkinableMenus::BarDraw>(item, item.OnAdvancedDrawItem);
  Install<&TsSkinableMenus::BarMeasure>(item, item.OnMeasureItem);
}

// An application's own handler stays; the painter fills in only what is missing.
void TsSkinableMenus::SetItemHandlers(TMenuItem& item) {
  if (!item.OnAdvancedDrawItem) Install<&TsSkinableMenus::ItemDraw>(item, item.OnAdvancedDrawItem);
  if (!item.OnMeasureItem) Install<&TsSkinableMenus::ItemMeasure>(item, item.OnMeasureItem);
}

void TsSkinableMenus::ClearBarHandlers(TMenuItem& item) {
  if (IsOwn<&TsSkinableMenus::BarDraw>(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
  if (IsOwn<&TsSkinableMenus::BarMeasure>(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
  Forget(item);
}

void TsSkinableMenus::ClearItemHandlers(TMenuItem& item) {
  if (IsOwn<&TsSkinableMenus::ItemDraw>(item.OnAdvancedDrawItem)) item.OnAdvancedDrawItem = nullptr;
  if (IsOwn<&TsSkinableMenus::ItemMeasure>(item.OnMeasureItem)) item.OnMeasureItem = nullptr;
  Forget(item);
}

void TsSkinableMenus::Release(TMenuItem& item) {
  ClearBarHandlers(item);
  ClearItemHandlers(item);
}

// The item is no longer watched once none of its handlers is this painter's.
void TsSkinableMenus::Forget(TMenuItem& item) {
  const bool own = IsOwn<&TsSkinableMenus::BarDraw>(item.OnAdvancedDrawItem) ||
                   IsOwn<&TsSkinableMenus::ItemDraw>(item.OnAdvancedDrawItem) ||
                   IsOwn<&TsSkinableMenus::BarMeasure>(item.OnMeasureItem) ||
                   IsOwn<&TsSkinableMenus::ItemMeasure>(item.OnMeasureItem);
  if (!own) hooked_->Remove(item);
}

// --- Taking menus over --------------------------------------------------------------------

void TsSkinableMenus::HookMainMenu(framework::TMainMenu* menu, bool on) {
  menu->SetOwnerDraw(on);
  const TMenuItem& bar = *menu->Items();
  const bool draw = SkinActive();
  for (int i = 0; i < bar.Count(); ++i) {
    TMenuItem& item = *bar.Items(i);
    if (on)
      SetBarHandlers(item, draw);
    else
      ClearBarHandlers(item);
  }
}

void TsSkinableMenus::HookPopupMenu(framework::TPopupMenu* menu, bool on) {
  menu->SetOwnerDraw(on);
  HookChildren(*menu->Items(), on);
}

void TsSkinableMenus::HookItemTree(TMenuItem* item, bool on) {
  HookChildren(*item, on);
}

void TsSkinableMenus::HookChildren(TMenuItem& parent, bool on) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    if (!on)
      ClearItemHandlers(item);
    else if (!IsBarItem(item))
      SetItemHandlers(item);
    HookChildren(item, on);
  }
}

void TsSkinableMenus::PrepareItem(TMenuItem* item, bool on) {
  if (!on)
    ClearItemHandlers(*item);
  else if (IsBarItem(*item))
    SetBarHandlers(*item, true);
  else
    SetItemHandlers(*item);
}

void TsSkinableMenus::SkinAll(bool on) {
  if (Manager() && Manager()->ComponentState().Contains(framework::csDesigning)) return;
  if (framework::TApplication* application = framework::Application()) SkinOwned(*application, on);
}

void TsSkinableMenus::SkinOwned(TComponent& owner, bool on) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* component = owner.Components(i);
    if (auto* main = dynamic_cast<framework::TMainMenu*>(component)) {
      HookMainMenu(main, on);
    } else if (auto* popup = dynamic_cast<framework::TPopupMenu*>(component)) {
      HookPopupMenu(popup, on);
    } else if (auto* item = dynamic_cast<TMenuItem*>(component);
               item && !dynamic_cast<framework::TMainMenu*>(item->GetParentMenu())) {
      HookItemTree(item, on);
    }
    SkinOwned(*component, on);
  }
}

void TsSkinableMenus::FlushPictureCache() {
  FlushPopupBackgrounds();
}

}  // namespace sSkinMenus
