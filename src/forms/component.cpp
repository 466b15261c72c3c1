#include "forms/component.h"

namespace saverkit {

Component& ComponentOwner::Add(Component component) {
  components_.push_back(std::make_unique<Component>(std::move(component)));
  return *components_.back();
}

Component* ComponentOwner::Find(const std::string& name) {
  for (auto& component : components_) {
    if (component->name == name) return component.get();
  }
  return nullptr;
}

void ComponentOwner::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  Component* removed = components_[size_t(index)].get();
  // A child must not keep pointing at a parent that is gone.
  for (auto& component : components_) {
    if (component->parent == removed) component->parent = nullptr;
  }
  components_.erase(components_.begin() + index);
}

}  // namespace saverkit
