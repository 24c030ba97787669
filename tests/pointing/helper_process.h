// The pointing tests' other program (tests/tools/pointing_helper): a holder
// of one global hotkey, or a captioned window with an optional child control.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "tests/support/child_process.h"

namespace klvtest {

class HelperProcess {
 public:
  // Holds the hotkey (modifiers, virtual key) while it lives.
  static std::unique_ptr<HelperProcess> HoldHotkey(UINT modifiers, UINT key);
  // A window at (left, top) of that size; with a bordered child control at
  // childPlace (left, top, width, height in the client area) when it is given.
  static std::unique_ptr<HelperProcess> ShowWindowAt(const std::string& title, const RECT& place,
                                                     const RECT* childPlace = nullptr);
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  bool ready() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  HWND child() const { return child_; }
  POINT clientOrigin() const { return origin_; }
  POINT childClientOrigin() const { return childOrigin_; }
  // Whether the system gave the hotkey to this program.
  bool holdsHotkey() const { return registered_; }
  // How many WM_HOTKEY messages the holder has received so far.
  int HotkeysReceived() const;

 private:
  explicit HelperProcess(const std::string& arguments);
  std::string ready_;
  std::unique_ptr<ChildProcess> process_;
  HWND window_ = nullptr;
  HWND child_ = nullptr;
  POINT origin_ = {0, 0};
  POINT childOrigin_ = {0, 0};
  bool registered_ = false;
};

}  // namespace klvtest
