// A system handle owned by one object, which gives it back to the system
// with Destroy when it goes; empty is null.
#pragma once
#include <windows.h>

#include <utility>

namespace klv {

template <class Handle, BOOL(WINAPI* Destroy)(Handle)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) Destroy(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// DeleteObject typed for one kind of GDI object, so that an owner of that
// kind can name it as its Destroy.
template <class Object>
BOOL WINAPI DeleteGdiObject(Object object) {
  return DeleteObject(object);
}

template <class Object>
using GdiObjectHandle = OwnedHandle<Object, DeleteGdiObject<Object>>;

}  // namespace klv
