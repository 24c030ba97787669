#include "tests/pointing/helper_process.h"

#include <cstdio>

namespace klvtest {
namespace {

HWND AsWindow(unsigned long handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }

int CountLines(const std::string& text, const std::string& prefix) {
  int count = 0;
  for (size_t at = 0; (at = text.find(prefix, at)) != std::string::npos; at += prefix.size()) ++count;
  return count;
}

// Answers what other threads send to this thread's windows while it waits
// (a new window's activation does), and leaves posted messages for the
// runtime's own loop.
void ServeSentMessages(DWORD milliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_SENDMESSAGE);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

std::unique_ptr<HelperProcess> HelperProcess::HoldHotkey(UINT modifiers, UINT key) {
  return std::unique_ptr<HelperProcess>(
      new HelperProcess("hold " + std::to_string(modifiers) + " " + std::to_string(key)));
}

std::unique_ptr<HelperProcess> HelperProcess::ShowWindowAt(const std::string& title, const RECT& place,
                                                           const RECT* childPlace) {
  auto numbers = [](const RECT& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
  };
  std::string arguments = "window \"" + title + "\" " + numbers(place);
  if (childPlace) arguments += " " + numbers(*childPlace);
  return std::unique_ptr<HelperProcess>(new HelperProcess(arguments));
}

HelperProcess::HelperProcess(const std::string& arguments) {
  static int serial = 0;
  ready_ = TempPath("pointing" + std::to_string(++serial) + ".ready");
  DeleteFileA(ready_.c_str());
  DeleteFileA((ready_ + ".log").c_str());
  process_ = std::make_unique<ChildProcess>("pointing_helper.exe", "\"" + ready_ + "\" " + arguments);
  for (int i = 0; i < 1500 && process_->started(); ++i) {
    unsigned long window = 0, child = 0;
    long x = 0, y = 0, childX = 0, childY = 0;
    int registered = 0;
    std::string line = ReadWholeFile(ready_);
    if (std::sscanf(line.c_str(), "%lu %ld %ld %lu %ld %ld %d", &window, &x, &y, &child, &childX, &childY,
                    &registered) == 7) {
      window_ = AsWindow(window);
      child_ = AsWindow(child);
      origin_ = {x, y};
      childOrigin_ = {childX, childY};
      registered_ = registered == 1;
      break;
    }
    ServeSentMessages(10);
  }
}

HelperProcess::~HelperProcess() {
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  if (process_) process_->Wait(5000);
  DeleteFileA(ready_.c_str());
  DeleteFileA((ready_ + ".log").c_str());
}

int HelperProcess::HotkeysReceived() const { return CountLines(ReadWholeFile(ready_ + ".log"), "hotkey "); }

}  // namespace klvtest
