#include "controls/control_subclass_state.h"

namespace saverkit {

SubclassReaction ControlSubclassState::OnEvent(SubclassEvent event, bool controlEnabled) {
  SubclassReaction r;
  switch (event) {
    case SubclassEvent::Destroy:
      r.restoreAndFree = !building_;
      break;
    case SubclassEvent::FocusGained:
    case SubclassEvent::FocusLost:
      // A focused control is drawn lit as if the mouse were over it, until the mouse leaves.
      focused_ = event == SubclassEvent::FocusGained;
      mouseInControl_ = focused_;
      r.repaint = true;
      break;
    case SubclassEvent::Paint:
      building_ = false;
      r.repaint = true;
      break;
    case SubclassEvent::SpaceDown:
      // Auto-repeat sends key-downs while the key is held: paint the press once.
      if (!keyHeld_) {
        keyHeld_ = true;
        spacePressed_ = true;
        r.repaint = true;
      }
      break;
    case SubclassEvent::SpaceUp:
      keyHeld_ = false;
      spacePressed_ = false;
      r.repaint = true;
      break;
    case SubclassEvent::LeftDown:
    case SubclassEvent::LeftUp:
      leftPressed_ = event == SubclassEvent::LeftDown;
      r.repaint = true;
      break;
    case SubclassEvent::LeftDoubleClick:
      if (kind_ == SubclassKind::Button || kind_ == SubclassKind::SpeedButton || kind_ == SubclassKind::CheckBox) {
        r.forwardAsLeftDown = true;
        leftPressed_ = true;
        r.repaint = true;
      }
      break;
    case SubclassEvent::CheckStateChanged:
    case SubclassEvent::ButtonStateChanged:
    case SubclassEvent::EnabledChanged:
    case SubclassEvent::TextChanged:
    case SubclassEvent::ParentColorChanged:
      r.repaint = true;
      break;
    case SubclassEvent::Ctl3DChanged:
      building_ = true;
      break;
    case SubclassEvent::MouseMove:
      if (!mouseInControl_ && controlEnabled) {
        mouseInControl_ = true;
        r.repaint = true;
        r.trackMouseLeave = true;
      }
      break;
    case SubclassEvent::MouseLeave:
      mouseInControl_ = false;
      r.repaint = true;
      break;
    case SubclassEvent::Other:
      break;
  }
  return r;
}

}  // namespace saverkit
