#include "tests/support/recorded_boxes.h"

#include <windows.h>

#include <utility>

#include "controls/skeleton/message_box_seam.h"

namespace klvtest {
namespace {

std::vector<BoxCall> g_boxCalls;

int RecordBox(const char* text, const char* caption, uint32_t style) {
  g_boxCalls.push_back({text ? text : "", caption ? caption : "", style});
  return IDOK;
}

}  // namespace

std::vector<BoxCall> BoxesDuring(const std::function<void()>& action) {
  g_boxCalls.clear();
  klv::MessageBoxFunction previous = klv::SetMessageBoxFunction(RecordBox);
  action();
  klv::SetMessageBoxFunction(previous);
  return std::move(g_boxCalls);
}

}  // namespace klvtest
