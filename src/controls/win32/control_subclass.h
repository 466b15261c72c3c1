// `TControlSubClass`: one per control the flat painter takes over. It hooks the control's window
// procedure (a comctl32 subclass, so that it stacks with the form's own subclass of the control
// in any order), lets the control paint itself first and then draws the flat frame and face of
// its kind over it. Destroying the object gives the control its own procedure and borders back.
#pragma once

#include <windows.h>

#include "controls/control_subclass_state.h"
#include "controls/xp_attach_rules.h"
#include "controls/xp_control_painters.h"
#include "forms/component.h"

namespace saverkit {

class TXPMenu;

class TControlSubClass {
 public:
  TControlSubClass(TXPMenu& owner, Component& control, HWND hwnd, TXPControl kind);
  ~TControlSubClass();
  TControlSubClass(const TControlSubClass&) = delete;
  TControlSubClass& operator=(const TControlSubClass&) = delete;

  HWND Handle() const { return hwnd_; }
  // Whether `hwnd` has the painter's procedure installed.
  static bool IsSubclassed(HWND hwnd);

  // Draws the control's flat look now.
  void PaintControlXP();

 private:
  static LRESULT CALLBACK ControlSubClass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void SwitchEditFrameFlat();
  void RestoreEditFrame();

  PaintPlan PlanFor(const XPPaintContext& c, HDC dc, ControlLook& look);
  ColorRef ParentColor(const SystemColors& system) const;

  TXPMenu& owner_;
  Component& control_;
  HWND hwnd_;
  TXPControl kind_;
  ControlSubclassState state_;
  // The edit's frame before it was made flat.
  LONG_PTR savedStyle_ = 0;
  LONG_PTR savedExStyle_ = 0;
  bool editFrameChanged_ = false;
  bool hadBorder_ = false;
  UINT lastMessage_ = 0;
};

}  // namespace saverkit
