// What the pointing tests share: windows of the test's own, the title list
// as the combo box holds it, the program's hotkeys set aside while another
// Klikvane runs, and a window's shown text.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/program_window.h"

namespace klvtest {

// The command-line flag that starts this test program in the situation
// "another program took Control+1 before Klikvane started".
constexpr char kHeldCaptureKeyFlag[] = "--held-capture-key";
class HelperProcess;
// In that situation: the program that holds Control+1 (null otherwise).
void SetCaptureKeyHolder(HelperProcess* holder);
HelperProcess* CaptureKeyHolder();

struct ComboItem {
  std::string text;
  uintptr_t data;
  bool operator==(const ComboItem& other) const { return text == other.text && data == other.data; }
};
std::vector<ComboItem> ComboItems(HWND combo);
std::string Describe(const std::vector<ComboItem>& items);
// How many items carry that window handle as their data.
int ItemsFor(const std::vector<ComboItem>& items, HWND window);

// The title list as the creation handler left it (recorded before any test).
void RecordCreationTimeTitles();
const std::vector<ComboItem>& CreationTimeTitles();

// A top-level window of the test process; counts the WM_HOTKEY it gets.
class ProbeWindow {
 public:
  ProbeWindow(const std::string& title, DWORD style, const RECT& place = {10, 500, 160, 90}, HWND owner = nullptr);
  ~ProbeWindow();
  ProbeWindow(const ProbeWindow&) = delete;
  ProbeWindow& operator=(const ProbeWindow&) = delete;
  HWND handle() const { return window_; }
  int hotkeysReceived() const;

 private:
  HWND window_;
};

// The four program hotkeys of the in-process Klikvane withdrawn from the
// system while it lives (another Klikvane must be able to take them), and
// registered again under the same identifiers afterwards.
class ProgramHotkeysSetAside {
 public:
  ProgramHotkeysSetAside();
  ~ProgramHotkeysSetAside();
  ProgramHotkeysSetAside(const ProgramHotkeysSetAside&) = delete;
  ProgramHotkeysSetAside& operator=(const ProgramHotkeysSetAside&) = delete;
};


std::string TextOf(HWND window);

}  // namespace klvtest
