// The state `TControlSubClass` keeps for one control: whether the mouse is over it, whether it
// has focus, whether the left button or the space key holds it pressed. Driven by the kinds of
// message the control receives, it says what to do after the control's own procedure ran.
#pragma once

namespace saverkit {

enum class SubclassEvent {
  Destroy,
  FocusGained,
  FocusLost,
  Paint,
  CheckStateChanged,   // BM_SETCHECK
  ButtonStateChanged,  // BM_SETSTATE
  SpaceDown,
  SpaceUp,
  LeftDown,
  LeftUp,
  LeftDoubleClick,
  EnabledChanged,
  TextChanged,
  ParentColorChanged,
  Ctl3DChanged,        // the control is rebuilding its frame
  MouseMove,
  MouseLeave,
  Other,
};

// Kinds of control that treat a double click as a second press.
enum class SubclassKind { Edit, Combo, CheckBox, Radio, Button, SpeedButton, Panel, GroupBox, Other };

struct SubclassReaction {
  bool repaint = false;
  // The window goes away: give the control its own procedure back and free the subclass.
  bool restoreAndFree = false;
  // Hand the control a button-down instead of the double click.
  bool forwardAsLeftDown = false;
  // Ask Windows for a mouse-leave notice (the mouse has just come in).
  bool trackMouseLeave = false;
};

class ControlSubclassState {
 public:
  explicit ControlSubclassState(SubclassKind kind) : kind_(kind) {}
  SubclassKind Kind() const { return kind_; }

  SubclassReaction OnEvent(SubclassEvent event, bool controlEnabled);

  bool MouseInControl() const { return mouseInControl_; }
  bool Focused() const { return focused_; }
  bool LeftPressed() const { return leftPressed_; }
  bool SpacePressed() const { return spacePressed_; }
  // Painting waits while the control rebuilds itself.
  bool Building() const { return building_; }
  void SetBuilding(bool building) { building_ = building; }

 private:
  SubclassKind kind_;
  bool mouseInControl_ = false;
  bool focused_ = false;
  bool leftPressed_ = false;
  bool spacePressed_ = false;
  bool keyHeld_ = false;
  bool building_ = false;
};

}  // namespace saverkit
