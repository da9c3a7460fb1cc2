#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Persistent.h"

namespace korvale {

class TCollection;

// An element of a TCollection. Each item gets the collection's next running ID when it is
// added; IDs are never reused within one collection.
class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;
  std::string ClassName() const override { return "TCollectionItem"; }

  TCollection* Collection() const { return collection_; }
  int ID() const { return id_; }
  int Index() const;
  virtual std::string DisplayName() const { return ClassName(); }

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

// A list of items of one class, which it creates and frees. An owned collection knows the
// object that owns it (for the form reader and for items that need their owner).
class TCollection : public TPersistent {
 public:
  using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

  TCollection(TPersistent* owner, ItemFactory factory);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;
  std::string ClassName() const override { return "TCollection"; }

  TPersistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int NextID() const { return nextId_; }

  // Item by item: clears this collection, then adds one item per source item and assigns it.
  void Assign(const TPersistent* source) override;

  template <typename Item>
  static ItemFactory FactoryOf() {
    return [](TCollection* collection) { return new Item(collection); };
  }

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TPersistent* owner_;
  ItemFactory factory_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
};

}  // namespace korvale
