// Owns one reference to a COM object and releases it when it goes.
#pragma once

#include <unknwn.h>

#include <utility>

namespace saverkit {

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

}  // namespace saverkit
