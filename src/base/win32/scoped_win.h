// The owners of every Windows resource the program holds: GDI objects and device contexts, COM
// references and apartments, OLE, loaded libraries and shell memory. Each releases what it holds
// when it goes, so that every early return releases it too; nothing is released by hand elsewhere.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <unknwn.h>

#include <utility>

namespace saverkit {

// Owns one handle and gives it back to the system through `Releaser` when it goes; `Release`
// hands it over to a caller that closes it itself (to see whether closing worked).
template <typename Handle, typename Releaser>
class ScopedHandle {
 public:
  explicit ScopedHandle(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedHandle() { Reset(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) Releaser{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

struct LibraryReleaser {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};
struct RegistryKeyReleaser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
struct KernelHandleReleaser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ImageListReleaser {
  void operator()(HIMAGELIST images) const { ImageList_Destroy(images); }
};
struct CreatedDcReleaser {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ShellMemoryReleaser {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};

// A library loaded with LoadLibrary.
using ScopedLibrary = ScopedHandle<HMODULE, LibraryReleaser>;
// An open registry key.
using ScopedRegistryKey = ScopedHandle<HKEY, RegistryKeyReleaser>;
// An open file or other kernel object; INVALID_HANDLE_VALUE must be turned into null first.
using ScopedKernelHandle = ScopedHandle<HANDLE, KernelHandleReleaser>;
// An image list made with ImageList_Create.
using ScopedImageList = ScopedHandle<HIMAGELIST, ImageListReleaser>;
// A device context made with CreateCompatibleDC (not one of a window).
using ScopedCreatedDc = ScopedHandle<HDC, CreatedDcReleaser>;
// Memory the shell hands out from the COM task allocator (item lists among them).
using ScopedShellMemory = ScopedHandle<void*, ShellMemoryReleaser>;

// Owns a pen, brush, font, bitmap or region and deletes it.
template <typename Handle>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedGdiObject() { Reset(); }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ScopedGdiObject(ScopedGdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    if (this != &other) {
      Reset(other.handle_);
      other.handle_ = nullptr;
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedRegion = ScopedGdiObject<HRGN>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC: every change made to the device context in between is undone.
class ScopedSavedDc {
 public:
  explicit ScopedSavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~ScopedSavedDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  ScopedSavedDc(const ScopedSavedDc&) = delete;
  ScopedSavedDc& operator=(const ScopedSavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// BeginPaint / EndPaint of one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
  ~PaintScope() { EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// GetDC / ReleaseDC of a window's client area (or of the screen for a null window); with
// `wholeWindow` GetWindowDC, which reaches the frame and border too.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND hwnd, bool wholeWindow = false)
      : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory device context compatible with `reference` (the screen for null) holding its own
// bitmap of width x height; everything is released and deselected when it goes.
class MemoryDc {
 public:
  MemoryDc(HDC reference, int width, int height)
      : dc_(CreateCompatibleDC(reference)),
        bitmap_(reference ? CreateCompatibleBitmap(reference, width, height) : nullptr) {
    if (!bitmap_) {
      ScopedWindowDc screen(nullptr);
      bitmap_ = CreateCompatibleBitmap(screen.Dc(), width, height);
    }
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryDc() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Dc() const { return dc_; }
  explicit operator bool() const { return dc_ && bitmap_ && previous_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_ = nullptr;
};

// Owns one reference to a COM object and releases it when it goes.
template <typename Interface>
class ScopedComPtr {
 public:
  ScopedComPtr() = default;
  // Takes over a reference the caller already holds (as CoCreateInstance hands it out).
  explicit ScopedComPtr(Interface* object) : object_(object) {}
  ~ScopedComPtr() { Reset(); }
  ScopedComPtr(const ScopedComPtr&) = delete;
  ScopedComPtr& operator=(const ScopedComPtr&) = delete;
  ScopedComPtr(ScopedComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ScopedComPtr& operator=(ScopedComPtr&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.object_, nullptr));
    return *this;
  }

  Interface* Get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For calls that hand out a new reference: releases the current one first.
  Interface** Receive() {
    Reset();
    return &object_;
  }
  void Reset(Interface* object = nullptr) {
    if (object_) object_->Release();
    object_ = object;
  }
  // Asks the object for another of its interfaces; an empty pointer when it has none.
  template <typename Other>
  ScopedComPtr<Other> As(REFIID iid) const {
    ScopedComPtr<Other> other;
    if (object_) object_->QueryInterface(iid, reinterpret_cast<void**>(other.Receive()));
    return other;
  }

 private:
  Interface* object_ = nullptr;
};

// OLE for the user-interface thread, held for the life of one mode. In-place ActiveX hosting (the
// Flash movies) needs OLE on the thread that owns the control's window, and the dialogs' shell
// calls (shortcuts, Active Desktop, the folder chooser) need COM; the program must not lean on
// an apartment someone else happened to open on its thread.
class OleSession {
 public:
  // A failed initialisation (another apartment model already chosen on the thread) is not
  // balanced: only a successful `OleInitialize` owes an `OleUninitialize`.
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialised_;
};

}  // namespace saverkit
