#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Persistent.h"

namespace korvale {

enum class TComponentState : std::uint8_t { Loading = 1, Destroying = 2 };
enum class TOperation { opInsert, opRemove };

// A component owns the components created with it as owner, in creation order, and frees
// them, last first, when it goes; every remaining owned component hears of each removal.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* FindComponent(const std::string& name) const;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name) { name_ = name; }
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  bool HasState(TComponentState state) const {
    return (state_ & static_cast<std::uint8_t>(state)) != 0;
  }
  void SetLoading(bool loading);

  // Runs once after the component's stored properties have been read.
  virtual void Loaded() { SetLoading(false); }
  // Told about every component inserted into or removed from the owner's list.
  virtual void Notification(TComponent* component, TOperation operation);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  // Frees the owned components, last first. Controls call it first thing in their
  // destructors, so that a component owned by a control (a skinner that hooked it) goes
  // while the control, its window and its members are still whole.
  void DestroyComponents();
  // Subclasses that need to know early (before their own destructor body finishes) set this.
  void MarkDestroying() { state_ |= static_cast<std::uint8_t>(TComponentState::Destroying); }

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  std::intptr_t tag_ = 0;
  std::uint8_t state_ = 0;
};

}  // namespace korvale
