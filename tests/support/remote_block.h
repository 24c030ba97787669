// Looking into a window of another process: a block of memory inside that
// process, for the control messages whose arguments point at memory (the
// list view's), and a window's text asked with WM_GETTEXT, which a control
// of another process answers from its own content.
#pragma once
#include <windows.h>

#include <string>

namespace klvtest {

// A block of memory inside another process, released when it goes.
class RemoteBlock {
 public:
  RemoteBlock(DWORD processId, size_t bytes);
  ~RemoteBlock();
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* address() const { return static_cast<char*>(address_); }
  bool Write(size_t offset, const void* data, size_t bytes) const;
  bool Read(size_t offset, void* data, size_t bytes) const;

 private:
  HANDLE process_;
  void* address_ = nullptr;
};

// The text of a window of any process, asked with WM_GETTEXT.
std::string AskedText(HWND window);

}  // namespace klvtest
