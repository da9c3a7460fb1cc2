#include "toolkit/Collection.h"

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace korvale::testing {
namespace {

class NamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "NamedItem"; }
  std::string name;
  void Assign(const TPersistent* source) override {
    if (const auto* other = dynamic_cast<const NamedItem*>(source)) {
      name = other->name;
      return;
    }
    TCollectionItem::Assign(source);
  }
};

TEST(Collection, RunningIdsAreNeverReused) {
  TCollection collection(nullptr, TCollection::FactoryOf<NamedItem>());
  collection.Add();
  collection.Add();
  collection.Delete(0);
  TCollectionItem* third = collection.Add();
  EXPECT_EQ(collection.Items(0)->ID(), 1);
  EXPECT_EQ(third->ID(), 2);
  EXPECT_EQ(third->Index(), 1);
  EXPECT_EQ(third->Collection(), &collection);
  delete collection.Items(0);
  EXPECT_EQ(collection.Count(), 1);
}

TEST(Collection, AssignCopiesItemByItemAndRefusesOtherKinds) {
  TPersistent owner;
  TCollection source(&owner, TCollection::FactoryOf<NamedItem>());
  TCollection target(nullptr, TCollection::FactoryOf<NamedItem>());
  static_cast<NamedItem*>(source.Add())->name = "MacOS";
  static_cast<NamedItem*>(source.Add())->name = "XP1";
  target.Add();
  target.Add();
  target.Add();
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(static_cast<NamedItem*>(target.Items(1))->name, "XP1");
  EXPECT_EQ(source.Owner(), &owner);
  EXPECT_EQ(target.Items(0)->ID(), 3) << "a cleared collection goes on counting";

  try {
    target.Items(0)->Assign(&owner);
    ADD_FAILURE() << "an unrelated source was accepted";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TPersistent to a NamedItem");
  }
}

}  // namespace
}  // namespace korvale::testing
