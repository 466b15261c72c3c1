#include "forms/layout.h"

namespace saverkit {

bool AddLayout(ComponentOwner& form, const std::vector<LayoutRow>& rows) {
  bool consistent = true;
  for (const LayoutRow& row : rows) {
    Component component;
    static_cast<ControlProps&>(component) = row.props;
    component.SetClassName(row.className);
    component.name = row.name;
    component.tag = row.tag;
    component.caption = row.caption;
    component.bounds = row.bounds;
    if (row.parent[0] != '\0') {
      component.parent = form.Find(row.parent);
      if (!component.parent) consistent = false;
    }
    if (row.name[0] != '\0' && form.Find(row.name)) consistent = false;
    form.Add(std::move(component));
  }
  return consistent;
}

void AlignChildren(ComponentOwner& form, const Component* parent, int32_t width, int32_t height) {
  int32_t left = 0, top = 0, right = width, bottom = height;
  auto place = [](Component& c, int32_t x, int32_t y, int32_t w, int32_t h) {
    c.SetBounds({x, y, w < 0 ? 0 : w, h < 0 ? 0 : h});
  };
  const std::vector<Component*> children = form.ChildrenOf(parent);
  for (Align pass : {Align::kTop, Align::kBottom, Align::kLeft, Align::kRight, Align::kClient}) {
    for (Component* c : children) {
      if (c->align != pass || !c->visible) continue;
      const int32_t h = c->bounds.height, w = c->bounds.width;
      switch (pass) {
        case Align::kTop: place(*c, left, top, right - left, h); top += h; break;
        case Align::kBottom: bottom -= h; place(*c, left, bottom, right - left, h); break;
        case Align::kLeft: place(*c, left, top, w, bottom - top); left += w; break;
        case Align::kRight: right -= w; place(*c, right, top, w, bottom - top); break;
        default: place(*c, left, top, right - left, bottom - top); break;
      }
    }
  }
}

}  // namespace saverkit
