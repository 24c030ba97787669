// Icons and bitmaps made from picture files held as byte blobs, each owned
// by one object that destroys it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

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

inline BOOL WINAPI DeleteBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }

using IconHandle = OwnedHandle<HICON, DestroyIcon>;
using BitmapHandle = OwnedHandle<HBITMAP, DeleteBitmap>;

// The icon of an .ico file: its first 16-pixel-wide image, else its first
// 32-pixel-wide one; empty when there is none or the system refuses it.
IconHandle MakeIconFromFile(const std::vector<uint8_t>& file);

// A bitmap from a .bmp file; empty when the file is not one.
BitmapHandle MakeBitmapFromFile(const std::vector<uint8_t>& file);

}  // namespace klv
