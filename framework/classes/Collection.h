#pragma once

#include <vector>

#include "framework/classes/Object.h"

namespace framework {

class TCollection;

// An element of a collection; it enters its collection when created and leaves it when freed.
class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCollection* Collection() const { return collection_; }
  int Index() const;  // -1 outside a collection
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_;
};

// An ordered list of items of one class that the collection owns and frees; stored as
// "Name = < item ... end >" and filled by the reader item by item.
class TCollection : public TPersistent {
 public:
  // itemClass must derive from TCollectionItem and be creatable; owner may be null.
  TCollection(const TClassInfo& itemClass, TPersistent* owner);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPersistent* GetOwner() const override { return owner_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;  // EListError outside 0..Count()-1
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();

  // Replaces the items by copies of the source's, each through the new item's Assign; an
  // item class without a copy of its own raises EConvertError for a non-empty source.
  void Assign(const TPersistent* source) override;

 private:
  friend class TCollectionItem;

  const TClassInfo& itemClass_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;
};

}  // namespace framework
