// Ownership: owned components go last first with their owner, and the others hear of each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Component.h"

namespace korvale::testing {
namespace {

std::vector<std::string>* journal = nullptr;

class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
  ~TProbe() override {
    if (journal) journal->push_back("free " + Name());
  }
  void Notification(TComponent* component, TOperation operation) override {
    if (journal && operation == TOperation::opRemove)
      journal->push_back(Name() + " hears " + component->Name());
  }
};

TEST(ToolkitComponent, OwnerFreesLastFirstAndNotifiesTheOthers) {
  std::vector<std::string> log;
  journal = &log;
  auto* owner = new TProbe(nullptr, "owner");
  new TProbe(owner, "a");
  new TProbe(owner, "b");
  auto* c = new TProbe(owner, "c");
  EXPECT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->FindComponent("b")->Name(), "b");
  EXPECT_EQ(owner->FindComponent("x"), nullptr);
  EXPECT_EQ(c->Owner(), owner);
  delete owner;
  journal = nullptr;
  EXPECT_EQ(log, (std::vector<std::string>{"free owner", "free c", "a hears c", "b hears c",
                                           "free b", "a hears b", "free a"}));
}

TEST(ToolkitComponent, ClassNamesAndIsATestsFollowTheCppTypes) {
  TComponent owner(nullptr);
  TComponent* button = new TButton(&owner);
  TComponent* check = new TCheckBox(&owner);
  EXPECT_EQ(button->ClassName(), "TButton");
  EXPECT_EQ(check->ClassName(), "TCheckBox");
  EXPECT_NE(dynamic_cast<TWinControl*>(button), nullptr);
  EXPECT_EQ(dynamic_cast<TCheckBox*>(button), nullptr);
  EXPECT_NE(dynamic_cast<TCheckBox*>(check), nullptr);
  // Freeing a control on its own takes it out of its owner's list.
  delete button;
  EXPECT_EQ(owner.ComponentCount(), 1);
}

}  // namespace
}  // namespace korvale::testing
