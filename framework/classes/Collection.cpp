#include "framework/classes/Collection.h"

#include <algorithm>
#include <cassert>

#include "framework/classes/ClassBuilder.h"

namespace framework {

TCollectionItem::TCollectionItem(TCollection* collection) : collection_(collection) {
  if (collection_) collection_->items_.push_back(this);
}

TCollectionItem::~TCollectionItem() {
  if (collection_) std::erase(collection_->items_, this);
}

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TCollectionItem, TPersistent>("TCollectionItem").Build();
  return info;
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::ranges::find(items, this) - items.begin());
}

TPersistent* TCollectionItem::GetOwner() const {
  return collection_;
}

TCollection::TCollection(const TClassInfo& itemClass, TPersistent* owner)
    : itemClass_(itemClass), owner_(owner) {
  assert(itemClass.InheritsFrom(TCollectionItem::StaticClassInfo()) && itemClass.CanCreateItem());
}

TCollection::~TCollection() {
  Clear();
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TCollection, TPersistent>("TCollection").Build();
  return info;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  return itemClass_.CreateItem(*this);
}

void TCollection::Delete(int index) {
  delete Items(index);
}

void TCollection::Clear() {
  while (!items_.empty()) delete items_.back();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  Clear();
  for (const TCollectionItem* item : other->items_) Add()->Assign(item);
}

}  // namespace framework
