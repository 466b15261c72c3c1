#include "flash/win32/rk_xshockwave_flash_ex.h"

#include <commctrl.h>
#include <ocidl.h>
#include <oleauto.h>

#include "flash/win32/ole_control_site.h"
#include "base/win32/wide_text.h"

namespace saverkit {

const CLSID kShockwaveFlashClassId = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

namespace {

// Dispatch ids of the control's properties.
constexpr DISPID kMovieId = 102;
constexpr DISPID kLoopId = 106;
constexpr DISPID kFrameNumId = 107;
constexpr DISPID kTotalFramesId = 124;
constexpr DISPID kPlayingId = 125;
constexpr DISPID kMenuId = 135;

constexpr UINT_PTR kSubclassId = 0x5A4B;

std::string Narrow(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(size_t(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), n, nullptr, nullptr);
  return narrow;
}

PlayerInput InputOf(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: return PlayerInput::kMouseMove;
    case WM_LBUTTONUP: return PlayerInput::kLeftButtonUp;
    case WM_RBUTTONDOWN: return PlayerInput::kRightButtonDown;
    case WM_RBUTTONUP: return PlayerInput::kRightButtonUp;
  }
  return PlayerInput::kOther;
}

}  // namespace

std::unique_ptr<RkXShockwaveFlashEx> RkXShockwaveFlashEx::Create(HWND container) {
  std::unique_ptr<RkXShockwaveFlashEx> player(new RkXShockwaveFlashEx());
  if (!player->Activate(container)) return nullptr;  // the destructor undoes what was done
  return player;
}

bool RkXShockwaveFlashEx::Activate(HWND container) {
  if (FAILED(CoCreateInstance(kShockwaveFlashClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(object_.Receive())))) {
    object_.Reset();
    return false;
  }
  site_.Reset(new OleControlSite(container));
  if (FAILED(object_->SetClientSite(site_.Get()))) return false;
  if (const auto persist = object_.As<IPersistStreamInit>(IID_IPersistStreamInit)) persist->InitNew();
  RECT area;
  GetClientRect(container, &area);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, container, &area))) return false;
  inPlace_ = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  if (!inPlace_) return false;
  site_->Attach(inPlace_.Get());
  // A control without a window of its own (windowless) cannot be hosted by this site.
  if (FAILED(inPlace_->GetWindow(&controlWindow_)) || !controlWindow_) return false;
  dispatch_ = object_.As<IDispatch>(IID_IDispatch);
  if (!dispatch_) return false;
  SetWindowSubclass(controlWindow_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

void RkXShockwaveFlashEx::Deactivate() {
  if (controlWindow_) RemoveWindowSubclass(controlWindow_, SubclassProc, kSubclassId);
  controlWindow_ = nullptr;
  dispatch_.Reset();
  if (site_) site_->Detach();
  if (inPlace_) inPlace_->InPlaceDeactivate();
  inPlace_.Reset();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  object_.Reset();
  site_.Reset();
}

RkXShockwaveFlashEx::~RkXShockwaveFlashEx() { Deactivate(); }

std::optional<VARIANT> RkXShockwaveFlashEx::GetProperty(DISPID id) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  if (FAILED(dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                               nullptr)))
    return std::nullopt;
  return result;
}

bool RkXShockwaveFlashEx::PutProperty(DISPID id, VARIANT& value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &named, 1, 1};
  return SUCCEEDED(
      dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
}

std::optional<int32_t> RkXShockwaveFlashEx::GetInt(DISPID id) {
  std::optional<VARIANT> value = GetProperty(id);
  if (!value) return std::nullopt;
  std::optional<int32_t> result;
  if (SUCCEEDED(VariantChangeType(&*value, &*value, 0, VT_I4))) result = V_I4(&*value);
  VariantClear(&*value);
  return result;
}

bool RkXShockwaveFlashEx::GetBool(DISPID id) {
  std::optional<VARIANT> value = GetProperty(id);
  if (!value) return false;
  const bool result = SUCCEEDED(VariantChangeType(&*value, &*value, 0, VT_BOOL)) && V_BOOL(&*value) != VARIANT_FALSE;
  VariantClear(&*value);
  return result;
}

void RkXShockwaveFlashEx::PutBool(DISPID id, bool value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  PutProperty(id, v);
}

std::optional<int32_t> RkXShockwaveFlashEx::TotalFrames() { return GetInt(kTotalFramesId); }
std::optional<int32_t> RkXShockwaveFlashEx::FrameNum() { return GetInt(kFrameNumId); }
bool RkXShockwaveFlashEx::Playing() { return GetBool(kPlayingId); }
void RkXShockwaveFlashEx::SetPlaying(bool playing) { PutBool(kPlayingId, playing); }
bool RkXShockwaveFlashEx::Loop() { return GetBool(kLoopId); }
void RkXShockwaveFlashEx::SetLoop(bool loop) { PutBool(kLoopId, loop); }
bool RkXShockwaveFlashEx::Menu() { return GetBool(kMenuId); }
void RkXShockwaveFlashEx::SetMenu(bool menu) { PutBool(kMenuId, menu); }

std::string RkXShockwaveFlashEx::Movie() {
  std::optional<VARIANT> value = GetProperty(kMovieId);
  if (!value) return {};
  std::string result;
  if (SUCCEEDED(VariantChangeType(&*value, &*value, 0, VT_BSTR)) && V_BSTR(&*value))
    result = Narrow(V_BSTR(&*value), int(SysStringLen(V_BSTR(&*value))));
  VariantClear(&*value);
  return result;
}

void RkXShockwaveFlashEx::SetMovie(const std::string& path) {
  const WideText wide = Widen(path);
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocStringLen(wide.c_str(), UINT(wide.size()));
  if (V_BSTR(&v)) PutProperty(kMovieId, v);
  VariantClear(&v);
}

void RkXShockwaveFlashEx::Play() {
  // Play is a method of the default interface; its id is looked up by name.
  OLECHAR name[] = L"Play";
  LPOLESTR names[] = {name};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
}

void RkXShockwaveFlashEx::SetPlacement(int width, int height) {
  const RECT area = {0, 0, width, height};
  site_->OnPosRectChange(&area);
}

LRESULT CALLBACK RkXShockwaveFlashEx::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                   UINT_PTR, DWORD_PTR self) {
  auto* player = reinterpret_cast<RkXShockwaveFlashEx*>(self);
  const PlayerInput input = InputOf(message);
  if (input != PlayerInput::kOther && player->filter_) {
    switch (player->filter_(input, wParam, lParam)) {
      case InputOutcome::kPassOn: break;
      case InputOutcome::kSwallow:
      case InputOutcome::kShowPopupMenu: return 0;  // the filter has shown the menu
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace saverkit
