#include "bench/klikvane_program.h"

namespace klvbench {

KlikvaneProgram::KlikvaneProgram(const std::string& program)
    : settings_(program.substr(0, program.find_last_of('\\')) + "\\Marrowfen.ini"),
      process_(std::make_unique<klvtest::ChildProcess>(program, "")) {
  if (!process_->started()) return;
  window_ = klvtest::WaitForShownWindow(process_->id(), "Klikvane");
  if (!window_) return;
  start_ = FindWindowExA(window_, nullptr, "Button", "开始/F6");
  stop_ = FindWindowExA(window_, nullptr, "Button", "停止/F7");
  load_ = FindWindowExA(window_, nullptr, "Button", "读取");
  if (!start_ || !stop_ || !load_) window_ = nullptr;
}

KlikvaneProgram::~KlikvaneProgram() {
  if (window_) {
    if (Running()) Stop();
    PostMessageA(window_, WM_CLOSE, 0, 0);
  }
  process_->Wait(10000);
  DeleteFileA(settings_.c_str());
}

void KlikvaneProgram::LoadPlan(const std::string& title, int rows, int delayMilliseconds, int x, int y,
                               bool background) {
  std::string text = std::string("[Configuration]\r\n前后台=") + (background ? "1" : "0") + "\r\n窗口标题=" + title + "\r\n坐标个数=" + std::to_string(rows) +
                     "\r\n[Coordinate]\r\n";
  for (int row = 0; row < rows; ++row) {
    text += "坐标" + std::to_string(row + 1) + "=" + std::to_string(x + row) + "|" + std::to_string(y) + "|" +
            std::to_string(delayMilliseconds) + "|左键\r\n";
  }
  klvtest::WriteWholeFile(settings_, text);
  SendMessageA(load_, BM_CLICK, 0, 0);
}

void KlikvaneProgram::Start() { SendMessageA(start_, BM_CLICK, 0, 0); }

void KlikvaneProgram::Stop() { SendMessageA(stop_, BM_CLICK, 0, 0); }

}  // namespace klvbench

namespace klvbench {

// After a background-mode load the title box is the one combo box with an
// edit field.
HWND KlikvaneProgram::TitleCombo() const {
  for (HWND combo = FindWindowExA(window_, nullptr, "ComboBox", nullptr); combo;
       combo = FindWindowExA(window_, combo, "ComboBox", nullptr)) {
    if ((GetWindowLongA(combo, GWL_STYLE) & 3) == CBS_DROPDOWN) return combo;
  }
  return nullptr;
}

bool KlikvaneProgram::PickListedWindow(HWND window) {
  HWND combo = TitleCombo();
  if (!combo) return false;
  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  int index = -1;
  for (int i = 0; i < count && index < 0; ++i) {
    if (SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == reinterpret_cast<LRESULT>(window)) index = i;
  }
  if (index >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  return index >= 0;
}

}  // namespace klvbench
