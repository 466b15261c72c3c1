#include "forms/component.h"

#include <algorithm>
#include <utility>

namespace saverkit {

void Component::Notify(ComponentChange change) {
  if (link) link->Changed(*this, change);
}

void Component::SetClassName(std::string value) {
  kind_ = ComponentKindOf(value);
  className_ = std::move(value);
}

void Component::SetCaption(const std::string& text) {
  if (caption == text) return;
  caption = text;
  Notify(ComponentChange::kCaption);
}

void Component::SetBounds(const ControlBounds& value) {
  if (bounds == value) return;
  bounds = value;
  Notify(ComponentChange::kBounds);
  if (events.onResize) events.onResize(*this);
}

void Component::SetVisible(bool value) {
  if (visible == value) return;
  visible = value;
  Notify(ComponentChange::kVisible);
}

void Component::SetEnabled(bool value) {
  if (enabled == value) return;
  enabled = value;
  Notify(ComponentChange::kEnabled);
}

void Component::SetChecked(bool value) {
  const bool grouped = kind_ == ComponentKind::kSpeedButton && groupIndex > 0;
  if (grouped && !value) return;  // a group always keeps one button down
  if (checked == value) return;
  checked = value;
  Notify(ComponentChange::kChecked);
  if (!grouped || !owner) return;
  for (Component* sibling : owner->ChildrenOf(parent)) {
    if (sibling == this || sibling->kind_ != kind_ || sibling->groupIndex != groupIndex) continue;
    if (!sibling->checked) continue;
    sibling->checked = false;
    sibling->Notify(ComponentChange::kChecked);
  }
}

void Component::SetItems(std::vector<std::string> rows) {
  items = std::move(rows);
  if (itemIndex >= int32_t(items.size())) itemIndex = -1;
  Notify(ComponentChange::kItems);
}

void Component::SetItemIndex(int32_t index) {
  if (index < -1) index = -1;
  if (itemIndex == index) return;
  itemIndex = index;
  Notify(ComponentChange::kItemIndex);
}

void Component::SetHint(const std::string& text) {
  if (hint == text) return;
  hint = text;
  Notify(ComponentChange::kHint);
}

void Component::SetTabVisible(bool value) {
  if (tabVisible == value) return;
  tabVisible = value;
  Notify(ComponentChange::kTabVisible);
}

void Component::Repaint() { Notify(ComponentChange::kRepaint); }

uint32_t Component::EffectiveColor() const {
  for (const Component* c = this; c; c = c->parent) {
    if (!c->parentColor) return c->color;
  }
  return owner ? owner->color : kColorBtnFace;
}

const ControlFont& Component::EffectiveFont() const {
  for (const Component* c = this; c; c = c->parent) {
    if (!c->font.name.empty()) return c->font;
  }
  static const ControlFont kNoFont;
  return owner ? owner->font : kNoFont;
}

Component& ComponentOwner::Add(Component component) {
  components_.push_back(std::make_unique<Component>(std::move(component)));
  components_.back()->owner = this;
  return *components_.back();
}

Component* ComponentOwner::Find(const std::string& name) {
  for (auto& component : components_) {
    if (component->name == name) return component.get();
  }
  return nullptr;
}

const Component* ComponentOwner::Find(const std::string& name) const {
  return const_cast<ComponentOwner*>(this)->Find(name);
}

int ComponentOwner::IndexOf(const Component* component) const {
  for (size_t i = 0; i < components_.size(); ++i) {
    if (components_[i].get() == component) return int(i);
  }
  return -1;
}

std::vector<Component*> ComponentOwner::ChildrenOf(const Component* parent) const {
  std::vector<Component*> children;
  for (const auto& component : components_) {
    if (component->parent == parent) children.push_back(component.get());
  }
  return children;
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

void ComponentOwner::BringToFront(Component& component) {
  const int index = IndexOf(&component);
  if (index < 0) return;
  std::rotate(components_.begin() + index, components_.begin() + index + 1, components_.end());
  component.Notify(ComponentChange::kZOrder);
}

void ComponentOwner::SendToBack(Component& component) {
  const int index = IndexOf(&component);
  if (index < 0) return;
  std::rotate(components_.begin(), components_.begin() + index, components_.begin() + index + 1);
  component.Notify(ComponentChange::kZOrder);
}

bool Bind(ComponentOwner& form, const std::string& name, std::function<void(Component&)> ComponentEvents::*event,
          std::function<void(Component&)> handler) {
  Component* component = form.Find(name);
  if (!component) return false;
  component->events.*event = std::move(handler);
  return true;
}

}  // namespace saverkit
