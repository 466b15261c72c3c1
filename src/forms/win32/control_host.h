// What a control needs from the form it sits on, and no more: the form's window and component
// model, the shared fonts and brushes, tooltips, the other controls by component or id, the
// window its control goes into, and the modal result its press may end the form with. The form
// (`FormWindow`) implements it; controls and painters hold it instead of the form.
#pragma once

#include <windows.h>

#include <cstdint>

#include "forms/component.h"
#include "forms/dpi_scale.h"

namespace saverkit {

class ControlObject;

class ControlHost {
 public:
  // The form's own window; null before it is made.
  virtual HWND FormHandle() const = 0;
  virtual ComponentOwner& Components() = 0;

  // Design pixels to the form's real pixels, at the DPI it is drawn at.
  virtual const DpiScale& Scale() const = 0;
  // Shared GDI objects, owned by the host; fonts at the form's DPI.
  virtual HFONT FontFor(const ControlFont& font) = 0;
  virtual HBRUSH BrushFor(uint32_t color) = 0;
  // Tooltips: adds or updates the hint of a control.
  virtual void UpdateHint(ControlObject& control) = 0;

  // The other controls: by component, by control id, and the one whose window is being made
  // (WM_MEASUREITEM arrives before the window is known).
  virtual ControlObject* ObjectOf(const Component& component) = 0;
  virtual ControlObject* ObjectById(int id) = 0;
  virtual ControlObject* Creating() const = 0;
  // The window the component's control is in: its parent's child host, or the form.
  virtual HWND ContainerOf(const Component& component) = 0;

  // Any value but kModalNone ends a modal form with it.
  virtual void SetModalResult(int result) = 0;

 protected:
  ~ControlHost() = default;
};

// The Windows colour of a component colour value (system colours resolved).
inline COLORREF ToColorRef(uint32_t color) {
  if ((color & kSystemColorFlag) == kSystemColorFlag) return GetSysColor(int(color & 0xFF));
  return COLORREF(color & 0x00FFFFFFu);
}

}  // namespace saverkit
