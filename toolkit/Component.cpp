#include "toolkit/Component.h"

#include <algorithm>

namespace korvale {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  MarkDestroying();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;  // its destructor takes it out of this list
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

void TComponent::SetLoading(bool loading) {
  const auto bit = static_cast<std::uint8_t>(TComponentState::Loading);
  state_ = loading ? (state_ | bit) : (state_ & ~bit);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  component->owner_ = this;
  components_.push_back(component);
  for (TComponent* c : components_) {
    if (c != component) c->Notification(component, TOperation::opInsert);
  }
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  component->owner_ = nullptr;
  for (TComponent* c : components_) c->Notification(component, TOperation::opRemove);
}

}  // namespace korvale
