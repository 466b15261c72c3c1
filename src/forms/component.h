// A light model of a form's component tree: every control a form owns has a name, the class it
// would have in a GUI framework, a tag, a caption and bounds. Texts, layouts and the show's caption
// labels are worked out on this model; the Win32 half of each form creates and paints real
// controls from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace saverkit {

struct ControlBounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const ControlBounds& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
  bool operator!=(const ControlBounds& o) const { return !(*this == o); }
};

struct FontStyleSet {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const FontStyleSet& o) const {
    return bold == o.bold && italic == o.italic && underline == o.underline && strikeOut == o.strikeOut;
  }
};

struct ControlFont {
  std::string name;
  int32_t size = 0;  // points
  FontStyleSet style;
  uint32_t color = 0;  // a Windows colour value 0x00BBGGRR
};

class ComponentOwner;

// One control. Label-only properties (font, transparency, alignment) sit here too: the model is
// flat on purpose, so a form's layout table stays a plain list of aggregates.
struct Component {
  std::string name;
  std::string className;  // "TLabel", "TButton", "TMenuItem", ...
  int32_t tag = 0;
  std::string caption;
  ControlBounds bounds;
  bool visible = true;
  bool enabled = true;
  Component* parent = nullptr;

  ControlFont font;
  bool autoSize = true;
  bool showAccelChar = true;
  bool transparent = false;
  uint32_t color = 0;
  bool centred = false;  // text centred horizontally and vertically in the bounds
};

// Owns components in creation order; the order is the one every walk over a form follows and the
// order in which they are painted, so a later control is drawn over an earlier one.
class ComponentOwner {
 public:
  ComponentOwner() = default;
  ComponentOwner(const ComponentOwner&) = delete;
  ComponentOwner& operator=(const ComponentOwner&) = delete;

  Component& Add(Component component);
  int Count() const { return int(components_.size()); }
  Component& At(int index) { return *components_[size_t(index)]; }
  const Component& At(int index) const { return *components_[size_t(index)]; }
  // Exact name match, as a form's FindComponent; nullptr when there is none.
  Component* Find(const std::string& name);
  // Frees the component at `index`; an index out of range does nothing.
  void Remove(int index);

 private:
  std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace saverkit
