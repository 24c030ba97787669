// Property access and event lookup on windows and units that are not there,
// with Klikvane's own image. Writes what it sees to a report file: lines of
// values, and a runtime error as "error <code> <message as hex>".
//   window_error_child.exe <report file> <case>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/klikvane_image.h"
#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "runtime/interface/type_properties.h"
#include "image/main_window_units.h"
#include "runtime/app_runtime.h"
#include "runtime/events.h"
#include "runtime/property_access.h"
#include "runtime/interface/property_indices.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_registry.h"
#include "tests/support/ui_driver.h"

namespace {

using klv::MainWindowUnit::kButtonAdd;
using klv::MainWindowUnit::kMainWindow;
constexpr int kWidth = klv::CommonProperty::kWidth;
constexpr int kLeft = klv::CommonProperty::kLeft;
constexpr int kCaption = klv::CommonProperty::kFirstTypeProperty + klv::ButtonProperty::kCaption;
FILE* g_report = nullptr;

int ReportError(int code, const char* message) {
  std::fprintf(g_report, "error %d ", code);
  for (const char* p = message; p && *p; ++p) std::fprintf(g_report, "%02X", static_cast<unsigned char>(*p));
  std::fprintf(g_report, "\n");
  std::fflush(g_report);
  return 1;  // no box
}

void Line(const char* name, uint64_t value) {
  std::fprintf(g_report, "%s %ld\n", name, static_cast<long>(static_cast<int32_t>(value)));
  std::fflush(g_report);
}

void DestroyMainWindow() {
  klv::LiveWindow* window = klv::FindWindowDescription(kMainWindow);
  DestroyWindow(window->hwnd());
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void Dispatch(uint32_t windowId, uint32_t unitId) {
  Line("dispatched", klvtest::RaiseUnitEvent(windowId, unitId, klv::ButtonEvent::kClicked));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_report = std::fopen(argv[1], "wb");
  std::string which = argv[2];
  klv::SetErrorHook(ReportError);
  klv::Runtime().image = &klv::kProgramImage;
  klv::InitRuntime();
  klv::clicker::SetSupport(&klv::SupportTable());
  klv::clicker::CreateGlobals();
  if (which == "never-loaded") {
    Line("width", klv::ReadProperty(kMainWindow, kButtonAdd, kWidth, -1));
  } else if (which == "destroyed") {
    klv::LoadStartWindow(kMainWindow);
    klv::WriteProperty(kMainWindow, kButtonAdd, kWidth, -1, 60);
    DestroyMainWindow();
    Line("width", klv::ReadProperty(kMainWindow, kButtonAdd, kWidth, -1));  // the stored record
    Line("left", klv::ReadProperty(kMainWindow, kButtonAdd, kLeft, -1));
    Line("caption", klv::ReadProperty(kMainWindow, kButtonAdd, kCaption, -1));  // a type property: not loaded
  } else if (which == "event-window") {
    klv::LoadStartWindow(kMainWindow);
    Dispatch(0x52019999, 0);
  } else if (which == "event-unit") {
    klv::LoadStartWindow(kMainWindow);
    Dispatch(kMainWindow, 0x16019999);
  } else if (which == "load-twice") {
    klv::LoadStartWindow(kMainWindow);
    HWND first = klv::FindWindowDescription(kMainWindow)->hwnd();
    ShowWindow(first, SW_MINIMIZE);
    klv::LoadStartWindow(kMainWindow);
    HWND second = klv::FindWindowDescription(kMainWindow)->hwnd();
    Line("same", first == second);
    Line("iconic", IsIconic(second));
    Line("forms", [] {
      int count = 0;
      for (HWND w = FindWindowExA(nullptr, nullptr, "KlikvaneForm", nullptr); w;
           w = FindWindowExA(nullptr, w, "KlikvaneForm", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId()) ++count;
      }
      return count;
    }());
  }
  std::fclose(g_report);
  return 0;
}
