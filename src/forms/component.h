// A light model of a form's component tree: every control a form owns has a name, the class it
// would have in a GUI framework, a tag, a caption and bounds, an owner and a parent, properties
// of its class, events, and (once the Win32 half has made it) a link to its real control. Texts,
// layouts, enabling rules and the show's caption labels are worked out on this model; the Win32
// half of each form creates and paints real controls from it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/component_kind.h"

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
  int32_t size = 0;    // points
  int32_t height = 0;  // when not 0, the character height as Windows takes it (-13: 13-pixel glyphs), in place of size
  FontStyleSet style;
  uint32_t color = 0;  // a Windows colour value 0x00BBGGRR
};

// Colours are Windows colour values 0x00BBGGRR; a value with the top byte 0xFF names a system
// colour by its index (kColorBtnFace is the face of buttons and dialogs).
inline constexpr uint32_t kSystemColorFlag = 0xFF000000u;
inline constexpr uint32_t kColorBtnFace = kSystemColorFlag | 15u;
inline constexpr uint32_t kColorWindow = kSystemColorFlag | 5u;
inline constexpr uint32_t kColorWhite = 0x00FFFFFFu;

enum class Align { kNone, kTop, kBottom, kLeft, kRight, kClient };
enum class Bevel { kNone, kLowered, kRaised };
enum class TextAlign { kLeft, kCenter, kRight };
enum class VerticalAlign { kTop, kCenter, kBottom };
enum class MouseButton { kLeft, kRight, kMiddle };
enum class CursorShape { kDefault, kHand };

// The modal results a form ends with, as Windows numbers its dialog results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;
inline constexpr int kModalYes = 6;
inline constexpr int kModalNo = 7;

// The properties a component's class may have; each class reads the ones that mean something to
// it. Layout tables set them through the chained setters below, so one row reads as one line.
struct ControlProps {
  bool visible = true;
  bool enabled = true;
  ControlFont font;  // an empty font name: the parent's font
  bool autoSize = true;
  bool showAccelChar = true;
  bool transparent = false;
  uint32_t color = 0;
  bool parentColor = true;  // takes the parent's colour; false once a colour is set
  bool centred = false;     // text centred horizontally and vertically in the bounds
  Align align = Align::kNone;
  Bevel bevelInner = Bevel::kNone;
  Bevel bevelOuter = Bevel::kNone;
  int32_t borderWidth = 0;
  bool wordWrap = false;
  TextAlign alignment = TextAlign::kLeft;
  VerticalAlign layout = VerticalAlign::kTop;
  CursorShape cursor = CursorShape::kDefault;
  std::string hint;
  bool showHint = false;
  bool isDefault = false;  // the button Enter presses
  bool isCancel = false;   // the button Escape presses
  int modalResult = kModalNone;
  bool checked = false;    // check boxes; a speed button's "down"
  int32_t groupIndex = 0;  // speed buttons of one group index > 0 under one parent: exactly one is down
  bool readOnly = false;
  bool verticalScrollBar = false;
  int32_t maxLength = 0;     // edits and memos: 0 means no limit of the control's own
  int32_t itemHeight = 0;    // owner-drawn combo boxes: the fixed height of their rows
  int32_t dropDownCount = 8;
  bool ownerDraw = false;
  bool stretch = false;      // images: the picture fills the bounds
  bool tabVisible = true;    // tab sheets: hidden pages are skipped by the page control
  int32_t imageIndex = -1;   // tool buttons
  bool separator = false;    // tool buttons and menu items
  int32_t interval = 1000;   // timers, in milliseconds
  int32_t tabHeight = 0;     // page controls
  int32_t tabWidth = 0;

  ControlProps& Hidden() { visible = false; return *this; }
  ControlProps& Disabled() { enabled = false; return *this; }
  ControlProps& Font(const std::string& name, int32_t height, uint32_t colour = 0, FontStyleSet style = {}) {
    font.name = name; font.height = height; font.color = colour; font.style = style; return *this;
  }
  ControlProps& Colour(uint32_t value) { color = value; parentColor = false; return *this; }
  ControlProps& Transparent() { transparent = true; return *this; }
  ControlProps& FixedSize() { autoSize = false; return *this; }
  ControlProps& Centred() { centred = true; alignment = TextAlign::kCenter; layout = VerticalAlign::kCenter; return *this; }
  ControlProps& Aligned(Align value) { align = value; return *this; }
  ControlProps& Bevels(Bevel inner, Bevel outer) { bevelInner = inner; bevelOuter = outer; return *this; }
  ControlProps& Border(int32_t width) { borderWidth = width; return *this; }
  ControlProps& WordWrap() { wordWrap = true; return *this; }
  ControlProps& TextAligned(TextAlign value) { alignment = value; return *this; }
  ControlProps& VerticallyAligned(VerticalAlign value) { layout = value; return *this; }
  ControlProps& HandCursor() { cursor = CursorShape::kHand; return *this; }
  ControlProps& Hint(const std::string& text) { hint = text; showHint = true; return *this; }
  // Hints on, with the text set later (a list that hints its selected row).
  ControlProps& ShowsHint() { showHint = true; return *this; }
  ControlProps& Default() { isDefault = true; return *this; }
  ControlProps& Cancel() { isCancel = true; return *this; }
  ControlProps& Result(int value) { modalResult = value; return *this; }
  ControlProps& Checked() { checked = true; return *this; }
  ControlProps& Group(int32_t index) { groupIndex = index; return *this; }
  ControlProps& ReadOnly() { readOnly = true; return *this; }
  ControlProps& VerticalScrollBar() { verticalScrollBar = true; return *this; }
  ControlProps& MaxLength(int32_t value) { maxLength = value; return *this; }
  ControlProps& OwnerDrawRows(int32_t height) { ownerDraw = true; itemHeight = height; return *this; }
  ControlProps& DropDownCount(int32_t count) { dropDownCount = count; return *this; }
  ControlProps& Stretch() { stretch = true; return *this; }
  ControlProps& TabHidden() { tabVisible = false; return *this; }
  ControlProps& Image(int32_t index) { imageIndex = index; return *this; }
  ControlProps& Separator() { separator = true; return *this; }
  ControlProps& Interval(int32_t ms) { interval = ms; return *this; }
  ControlProps& Tabs(int32_t width, int32_t height) { tabWidth = width; tabHeight = height; return *this; }
};

// Starts a chain of property setters in a layout row: Props().Aligned(Align::kTop).Colour(...).
inline ControlProps Props() { return {}; }

struct Component;

// Handlers carry the form's names (BtnNextClick, ComboBoxPicsChange); the first argument is the
// sender, as the framework passes it.
struct ComponentEvents {
  std::function<void(Component& sender)> onClick;
  std::function<void(Component& sender)> onDblClick;
  std::function<void(Component& sender)> onChange;  // edits, check boxes, combo boxes, page controls
  std::function<void(Component& sender)> onResize;
  std::function<void(Component& sender)> onMouseIn;
  std::function<void(Component& sender)> onMouseOut;
  std::function<void(Component& sender)> onTimer;
  std::function<void(Component& sender)> onPopup;  // pop-up menus, just before they open
  std::function<void(Component& sender, MouseButton button, int x, int y)> onMouseDown;
};

// What changed on a component, for the real control to follow.
enum class ComponentChange {
  kCaption, kBounds, kVisible, kEnabled, kChecked, kItems, kItemIndex, kFont, kHint, kTabVisible, kZOrder, kRepaint
};

// The real control behind a component (the Win32 half implements it). A component without a
// link is only data.
class ControlLink {
 public:
  virtual ~ControlLink() = default;
  virtual void Changed(Component& component, ComponentChange change) = 0;
};

class ComponentOwner;

// One component. Properties of its class are inherited from ControlProps, so that a layout row's
// properties are copied in one piece and read as `component.wordWrap`.
struct Component : ControlProps {
  std::string name;
  int32_t tag = 0;
  std::string caption;
  ControlBounds bounds;
  Component* parent = nullptr;
  ComponentOwner* owner = nullptr;  // the form; set when the form adds it

  std::vector<std::string> items;  // rows of combo boxes and list boxes
  int32_t itemIndex = -1;          // the selected row; a page control's active page among its sheets

  ComponentEvents events;
  ControlLink* link = nullptr;

  // The class name the layout gives ("TLabel", "TButton", "TMenuItem", ...) and the kind it
  // makes, worked out here once.
  void SetClassName(std::string value);
  const std::string& ClassName() const { return className_; }
  ComponentKind Kind() const { return kind_; }

  // Setters store the value and tell the real control only when it changed.
  void SetCaption(const std::string& text);
  void SetBounds(const ControlBounds& value);
  void SetVisible(bool value);
  void SetEnabled(bool value);
  // Check boxes: checked. Speed buttons: down; a button of a group going down lifts the others
  // of its group under the same parent, and the down button of a group stays down when clicked.
  void SetChecked(bool value);
  void SetItems(std::vector<std::string> rows);
  void SetItemIndex(int32_t index);
  void SetHint(const std::string& text);
  // Tab sheets: whether the page has a tab (a page without one is skipped when stepping).
  void SetTabVisible(bool value);
  // The real control takes over `font` (after a change made to the field).
  void FontChanged() { Notify(ComponentChange::kFont); }
  void Repaint();
  // Windows-style colour of this control with the parent colour resolved through the parents.
  uint32_t EffectiveColor() const;
  // The font of this control with an empty name resolved through the parents.
  const ControlFont& EffectiveFont() const;

 private:
  friend class ComponentOwner;
  void Notify(ComponentChange change);

  std::string className_;
  ComponentKind kind_ = ComponentKind::kOther;
};

// Owns components in creation order; the order is the one every walk over a form follows, the
// order in which they are painted (a later control is drawn over an earlier one) and the focus order.
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
  const Component* Find(const std::string& name) const;
  int IndexOf(const Component* component) const;
  // The components whose parent is `parent` (nullptr: the form itself), in creation order.
  std::vector<Component*> ChildrenOf(const Component* parent) const;
  // Frees the component at `index`; an index out of range does nothing.
  void Remove(int index);
  // Moves a component to the front (painted last) or to the back (painted first) of the order.
  void BringToFront(Component& component);
  void SendToBack(Component& component);

  // The form's own font and colour, which controls with parent font or colour take.
  ControlFont font;
  uint32_t color = kColorBtnFace;

 private:
  std::vector<std::unique_ptr<Component>> components_;
};

// Binds `handler` to one event of the component `name`; false (and nothing bound) when the form
// has no such component, which the forms' tests catch.
bool Bind(ComponentOwner& form, const std::string& name, std::function<void(Component&)> ComponentEvents::*event,
          std::function<void(Component&)> handler);

}  // namespace saverkit
