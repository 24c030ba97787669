// A value kept per system window in this process, found without asking the
// system: under Wine a window property read is a round trip to the server
// (about 10 microseconds), and the unit and subclass look-ups run for every
// message a control gets. Any thread may read and write.
#pragma once
#include <windows.h>

#include <mutex>
#include <unordered_map>

namespace klv {

template <class Value>
class WindowTable {
 public:
  void Set(HWND window, Value value) {
    std::lock_guard<std::mutex> guard(lock_);
    values_[window] = value;
  }
  // The value held for the window; Value() when there is none.
  Value Get(HWND window) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = values_.find(window);
    return found == values_.end() ? Value() : found->second;
  }
  void Remove(HWND window) {
    std::lock_guard<std::mutex> guard(lock_);
    values_.erase(window);
  }
  // Removes the window's value only while it is still the one given, so a
  // late clean-up never drops what a newer owner set.
  void RemoveIfHeld(HWND window, Value value) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = values_.find(window);
    if (found != values_.end() && found->second == value) values_.erase(found);
  }

 private:
  mutable std::mutex lock_;
  std::unordered_map<HWND, Value> values_;
};

}  // namespace klv
