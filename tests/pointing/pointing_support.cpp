#include "tests/pointing/pointing_support.h"

#include <map>
#include <sstream>

#include "clicker/globals.h"
#include "clicker/hotkeys.h"
#include "clicker/runtime_access.h"
#include "image/main_window_units.h"
#include "runtime/system_text.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/test_window_class.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

constexpr char kProbeClass[] = "KlikvanePointingProbe";
std::vector<ComboItem> g_creationTimeTitles;
HelperProcess* g_captureKeyHolder = nullptr;
std::map<HWND, int> g_hotkeysReceived;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) ++g_hotkeysReceived[window];
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterProbeClass() {
  klvtest::RegisterTestWindowClass(kProbeClass, ProbeProc, 0, COLOR_WINDOW);
}

struct ProgramKey {
  UINT modifiers;
  UINT key;
};

// The program's four hotkeys by identifier text.
const std::map<std::string, ProgramKey>& ProgramKeys() {
  static const std::map<std::string, ProgramKey> keys = {
      {"hqzb", {MOD_CONTROL, '1'}}, {"Quit", {MOD_CONTROL, 'Q'}}, {"zxks", {0, VK_F6}}, {"zxtz", {0, VK_F7}}};
  return keys;
}

template <typename Action>
void ForEachProgramRecord(Action action) {
  void* table = klv::clicker::Globals().hotkeyTable;
  for (uint32_t i = 0; i < klv::clicker::PointerCount(table); ++i) {
    auto* record = static_cast<klv::clicker::HotkeyRecord*>(klv::clicker::PointerAt(table, i));
    auto key = ProgramKeys().find(record->identifier ? record->identifier : "");
    if (key == ProgramKeys().end()) continue;
    action(reinterpret_cast<HWND>(static_cast<uintptr_t>(record->window)), klv::clicker::HotkeySystemId(i),
           key->second);
  }
}

}  // namespace

void SetCaptureKeyHolder(HelperProcess* holder) { g_captureKeyHolder = holder; }
HelperProcess* CaptureKeyHolder() { return g_captureKeyHolder; }

std::vector<ComboItem> ComboItems(HWND combo) {
  std::vector<ComboItem> items;
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    items.push_back({ComboItemText(combo, static_cast<int>(i)),
                     static_cast<uintptr_t>(SendMessageA(combo, CB_GETITEMDATA, i, 0))});
  }
  return items;
}

std::string Describe(const std::vector<ComboItem>& items) {
  std::ostringstream out;
  for (const ComboItem& item : items) out << "  \"" << item.text << "\" " << std::hex << item.data << std::dec << "\n";
  return out.str();
}

int ItemsFor(const std::vector<ComboItem>& items, HWND window) {
  int count = 0;
  for (const ComboItem& item : items) count += item.data == reinterpret_cast<uintptr_t>(window) ? 1 : 0;
  return count;
}

void RecordCreationTimeTitles() { g_creationTimeTitles = ComboItems(UnitHandle(klv::MainWindowUnit::kComboWindowTitle)); }
const std::vector<ComboItem>& CreationTimeTitles() { return g_creationTimeTitles; }

ProbeWindow::ProbeWindow(const std::string& title, DWORD style, const RECT& place, HWND owner) {
  RegisterProbeClass();
  const std::wstring wideClass(kProbeClass, kProbeClass + sizeof kProbeClass - 1);
  const std::wstring shown = klv::ToSystemText(title);
  window_ = CreateWindowExW(0, wideClass.c_str(), title.empty() ? nullptr : shown.c_str(), style, place.left, place.top,
                            place.right, place.bottom, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  Pump(50);
}

ProbeWindow::~ProbeWindow() {
  g_hotkeysReceived.erase(window_);
  DestroyWindow(window_);
  Pump(30);
}

int ProbeWindow::hotkeysReceived() const {
  auto found = g_hotkeysReceived.find(window_);
  return found == g_hotkeysReceived.end() ? 0 : found->second;
}

ProgramHotkeysSetAside::ProgramHotkeysSetAside() {
  ForEachProgramRecord([](HWND window, uint32_t id, ProgramKey) { UnregisterHotKey(window, static_cast<int>(id)); });
}

ProgramHotkeysSetAside::~ProgramHotkeysSetAside() {
  ForEachProgramRecord([](HWND window, uint32_t id, ProgramKey key) {
    RegisterHotKey(window, static_cast<int>(id), key.modifiers, key.key);
  });
}

std::string TextOf(HWND window) { return ShownText(window); }

}  // namespace klvtest
