// A system handle the clicker holds by its number, closed through the call
// table (CloseHandle) when it goes out of scope.
#pragma once
#include <cstdint>

#include "clicker/runtime_access.h"

namespace klv::clicker {

class CallTableHandle {
 public:
  // `none`: the value that stands for no handle (0 for most kinds; a file
  // that could not be opened is all ones).
  explicit CallTableHandle(uint32_t handle = 0, uint32_t none = 0) : handle_(handle), none_(none) {}
  ~CallTableHandle() { Close(); }
  CallTableHandle(const CallTableHandle&) = delete;
  CallTableHandle& operator=(const CallTableHandle&) = delete;
  bool ok() const { return handle_ != none_; }
  uint32_t get() const { return handle_; }
  // Where a system function that hands a handle out through a pointer puts
  // it; the handle held so far is closed first.
  uint32_t* place() {
    Close();
    return &handle_;
  }
  // Whether the system closed it (true when nothing was held).
  bool Close() {
    if (!ok()) return true;
    bool closed = CallSystem(kCloseHandle, {handle_}) != 0;
    handle_ = none_;
    return closed;
  }

 private:
  uint32_t handle_;
  uint32_t none_;
};

}  // namespace klv::clicker
