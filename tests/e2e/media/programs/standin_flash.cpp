// A stand-in for the Shockwave Flash control, for tests only and never shipped: an in-process
// COM server with the control's dispatch ids, a frame counter that advances on a timer while
// playing, and an in-place window. It appends what happens to it to the file named by the
// environment variable SAVERKIT_STANDIN_FLASH_LOG, so a test sees what reached the control.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

const CLSID kClassId = {0xD27CDB6E, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

constexpr DISPID kMovie = 102, kLoop = 106, kFrameNum = 107, kTotalFrames = 124, kPlaying = 125, kMenu = 135;
constexpr DISPID kPlay = 7001;
constexpr int kFramesPerMovie = 40;
constexpr UINT kFrameTimerMs = 40;

HMODULE module;
LONG liveObjects = 0;

void Log(const char* format, ...) {
  char path[MAX_PATH];
  if (!GetEnvironmentVariableA("SAVERKIT_STANDIN_FLASH_LOG", path, sizeof path)) return;
  FILE* file = std::fopen(path, "a");
  if (!file) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(file, format, args);
  va_end(args);
  std::fputc('\n', file);
  std::fclose(file);
}

class StandInControl final : public IOleObject, public IOleInPlaceObject, public IDispatch {
 public:
  StandInControl() { InterlockedIncrement(&liveObjects); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
      *out = static_cast<IOleObject*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
      *out = static_cast<IOleInPlaceObject*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override {
    if (site_) site_->Release();
    site_ = site;
    if (site_) site_->AddRef();
    return S_OK;
  }
  STDMETHODIMP GetClientSite(IOleClientSite** out) override {
    *out = site_;
    if (site_) site_->AddRef();
    return S_OK;
  }
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override {
    InPlaceDeactivate();
    return S_OK;
  }
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position) override {
    if (verb != OLEIVERB_INPLACEACTIVATE && verb != OLEIVERB_SHOW) return OLEOBJ_S_INVALIDVERB;
    if (window_) return S_OK;
    IOleClientSite* from = site ? site : site_;
    if (!from || FAILED(from->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite_))))
      return E_UNEXPECTED;
    if (inPlaceSite_->CanInPlaceActivate() != S_OK) return E_FAIL;
    inPlaceSite_->OnInPlaceActivate();
    HWND container = parent;
    inPlaceSite_->GetWindow(&container);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT area = position ? *position : RECT{0, 0, 100, 100}, clip;
    OLEINPLACEFRAMEINFO info = {};
    info.cb = sizeof info;
    if (SUCCEEDED(inPlaceSite_->GetWindowContext(&frame, &document, &area, &clip, &info))) {
      if (frame) frame->Release();
      if (document) document->Release();
    }
    window_ = CreateWindowExA(0, "SaverkitStandInFlash", "", WS_CHILD | WS_VISIBLE, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, container, nullptr, module, this);
    if (!window_) return E_FAIL;
    SetTimer(window_, 1, kFrameTimerMs, nullptr);
    Log("activated %ld %ld %ld %ld", area.left, area.top, area.right, area.bottom);
    return S_OK;
  }
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID* out) override {
    *out = kClassId;
    return S_OK;
  }
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD, DWORD* out) override {
    *out = OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
  }
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleWindow / IOleInPlaceObject
  STDMETHODIMP GetWindow(HWND* out) override {
    *out = window_;
    return window_ ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP InPlaceDeactivate() override {
    if (!window_) return S_OK;
    DestroyWindow(window_);
    window_ = nullptr;
    if (inPlaceSite_) {
      inPlaceSite_->OnInPlaceDeactivate();
      inPlaceSite_->Release();
      inPlaceSite_ = nullptr;
    }
    Log("deactivated");
    return S_OK;
  }
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT) override {
    Log("rects %ld %ld %ld %ld", position->left, position->top, position->right, position->bottom);
    MoveWindow(window_, position->left, position->top, position->right - position->left,
               position->bottom - position->top, TRUE);
    return S_OK;
  }
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (count == 1 && lstrcmpiW(names[0], L"Play") == 0) {
      ids[0] = kPlay;
      return S_OK;
    }
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                      UINT*) override {
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    VARIANT value;
    VariantInit(&value);
    if (put) {
      if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
      if (FAILED(VariantCopy(&value, &params->rgvarg[0]))) return E_FAIL;
    }
    HRESULT hr = S_OK;
    switch (id) {
      case kMovie:
        if (put) {
          hr = Load(value);
        } else if (result) {
          V_VT(result) = VT_BSTR;
          V_BSTR(result) = SysAllocStringLen(movie_.data(), UINT(movie_.size()));
        }
        break;
      case kLoop: hr = Bool(put, value, loop_, result, "Loop"); break;
      case kMenu: hr = Bool(put, value, menu_, result, "Menu"); break;
      case kPlaying: hr = Bool(put, value, playing_, result, "Playing"); break;
      case kFrameNum: hr = Int(put, frame_, result); break;
      case kTotalFrames:
        // Without a movie the frame count is an error, as a real player may raise one.
        hr = total_ > 0 ? Int(put, total_, result) : DISP_E_EXCEPTION;
        break;
      case kPlay:
        playing_ = total_ > 0;
        Log("play");
        break;
      default: hr = DISP_E_MEMBERNOTFOUND;
    }
    VariantClear(&value);
    return hr;
  }

  void OnFrameTimer() {
    if (!playing_ || total_ <= 0) return;
    if (frame_ < total_ - 1) {
      ++frame_;
      if (frame_ == total_ - 1) Log("last frame %d", frame_);
    } else if (loop_) {
      frame_ = 0;
    } else {
      playing_ = false;
    }
    InvalidateRect(window_, nullptr, FALSE);
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<StandInControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
      case WM_TIMER:
        if (self) self->OnFrameTimer();
        return 0;
      case WM_MOUSEMOVE: Log("control mousemove %d %d", int(LOWORD(lParam)), int(HIWORD(lParam))); return 0;
      case WM_LBUTTONUP: Log("control lbuttonup"); return 0;
      case WM_RBUTTONDOWN: Log("control rbuttondown"); return 0;
      case WM_RBUTTONUP: Log("control rbuttonup"); return 0;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        if (self) {
          char text[32];
          std::snprintf(text, sizeof text, "frame %d", self->frame_);
          DrawTextA(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        EndPaint(hwnd, &paint);
        return 0;
      }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }

 private:
  virtual ~StandInControl() {
    InPlaceDeactivate();
    if (site_) site_->Release();
    InterlockedDecrement(&liveObjects);
  }

  HRESULT Load(VARIANT& value) {
    if (FAILED(VariantChangeType(&value, &value, 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    movie_.assign(V_BSTR(&value) ? V_BSTR(&value) : L"", SysStringLen(V_BSTR(&value)));
    const DWORD attributes = GetFileAttributesW(movie_.c_str());
    total_ = (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) ? kFramesPerMovie : 0;
    frame_ = 0;
    playing_ = total_ > 0;  // a loaded movie starts by itself
    Log("movie loaded, %d frames", total_);
    return S_OK;
  }

  static HRESULT Bool(bool put, VARIANT& value, bool& field, VARIANT* result, const char* name) {
    if (put) {
      if (FAILED(VariantChangeType(&value, &value, 0, VT_BOOL))) return DISP_E_TYPEMISMATCH;
      field = V_BOOL(&value) != VARIANT_FALSE;
      Log("%s %d", name, int(field));
    } else if (result) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = field ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
  }

  static HRESULT Int(bool put, int field, VARIANT* result) {
    if (put) return DISP_E_MEMBERNOTFOUND;  // read-only
    if (result) {
      V_VT(result) = VT_I4;
      V_I4(result) = field;
    }
    return S_OK;
  }

  LONG refs_ = 1;
  IOleClientSite* site_ = nullptr;
  IOleInPlaceSite* inPlaceSite_ = nullptr;
  HWND window_ = nullptr;
  std::wstring movie_;
  bool loop_ = true, menu_ = true, playing_ = false;
  int frame_ = 0, total_ = 0;
};

class Factory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* control = new StandInControl();
    const HRESULT hr = control->QueryInterface(iid, out);
    control->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

Factory factory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = StandInControl::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = "SaverkitStandInFlash";
    RegisterClassA(&wc);
  }
  return TRUE;
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
  if (!IsEqualCLSID(classId, kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, out);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return liveObjects == 0 ? S_OK : S_FALSE; }
