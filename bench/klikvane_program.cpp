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

void KlikvaneProgram::LoadPlan(const std::string& title, int rows, int delayMilliseconds) {
  std::string text = "[Configuration]\r\n前后台=1\r\n窗口标题=" + title + "\r\n坐标个数=" + std::to_string(rows) +
                     "\r\n[Coordinate]\r\n";
  for (int row = 0; row < rows; ++row) {
    text += "坐标" + std::to_string(row + 1) + "=" + std::to_string(10 + row) + "|20|" +
            std::to_string(delayMilliseconds) + "|左键\r\n";
  }
  klvtest::WriteWholeFile(settings_, text);
  SendMessageA(load_, BM_CLICK, 0, 0);
}

void KlikvaneProgram::Start() { SendMessageA(start_, BM_CLICK, 0, 0); }

void KlikvaneProgram::Stop() { SendMessageA(stop_, BM_CLICK, 0, 0); }

}  // namespace klvbench
