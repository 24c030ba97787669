#include "tests/controls_basic/basic_harness.h"

#include "tests/support/real_input.h"
#include "tests/support/test_window_class.h"

#include <algorithm>
#include <sstream>

namespace basictest {
using klvtest::SendKey;
using klvtest::SendMouse;

namespace {

const char kParentClass[] = "KlvBasicTestParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& watched = TestParent::watchedMessages();
  if (std::find(watched.begin(), watched.end(), message) != watched.end()) {
    TestParent::receivedMessages().push_back(message);
  }
  LRESULT routed = 0;  // control notifications go to their units, as the runtime's window does
  if (klv::RouteParentNotification(message, wParam, lParam, &routed)) return routed;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TestParent::TestParent(int width, int height) {
  klvtest::RegisterTestWindowClass(kParentClass, ParentProc, 0, COLOR_BTNFACE);
  hwnd_ = CreateWindowExA(0, kParentClass, "controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  BringToFront(hwnd_);
  Pump();
}

TestParent::~TestParent() {
  DestroyWindow(hwnd_);
  Pump();
}

TestParent& SharedParent() {
  static TestParent parent(400, 300);
  BringToFront(parent.hwnd());
  return parent;
}

std::vector<UINT>& TestParent::watchedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

std::vector<UINT>& TestParent::receivedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

std::string Describe(const std::vector<SeenEvent>& events) {
  std::ostringstream out;
  for (const SeenEvent& event : events) {
    PrintTo(event, &out);
    out << ' ';
  }
  return out.str();
}

LiveControl::LiveControl(const klv::DataTypeRecord& type, uint32_t unitId, HWND parent,
                         const std::vector<uint8_t>& settings, RECT rect, int childId, bool disabled)
    : type_(type), unitId_(unitId) {
  record_.settings = settings;
  record_.left = rect.left;
  record_.top = rect.top;
  record_.width = rect.right - rect.left;
  record_.height = rect.bottom - rect.top;
  klv::CreateRequest request = {parent, kWindowId, unitId, 0, &record_, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, disabled, true, childId, nullptr};
  auto create = reinterpret_cast<klv::CreateOperation>(type.interfaceFunction(klv::TypeOperation::kCreate));
  unit_ = create ? create(request) : nullptr;
}

void LiveControl::Show() const {
  ShowWindow(hwnd(), SW_SHOWNA);
  UpdateWindow(hwnd());
  Pump();
}

void LiveControl::Destroy() {
  if (unit_ == nullptr) return;
  auto destroy = reinterpret_cast<klv::SharedOperation>(type_.interfaceFunction(klv::TypeOperation::kShared));
  destroy(unit_);
  unit_ = nullptr;
  Pump();
}

void LiveControl::ExpectKept(std::initializer_list<KeptSetting> settings) {
  for (const KeptSetting& setting : settings) {
    WriteWord(setting.k, setting.written);
    EXPECT_EQ(setting.kept, ReadWord(setting.k)) << "property " << setting.k << " written " << setting.written;
  }
}

ColourAnswer LiveControl::AskColours(UINT message) const {
  HDC dc = CreateCompatibleDC(nullptr);
  ColourAnswer answer = {};
  answer.answered = unit_->HandleParentNotification(message, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(hwnd()), &answer.brush);
  answer.text = GetTextColor(dc);
  answer.background = GetBkColor(dc);
  DeleteDC(dc);
  return answer;
}

klv::PropertyValue LiveControl::Read(int k) const {
  klv::PropertyValue value;
  auto read = reinterpret_cast<klv::ReadPropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kReadProperty));
  read(unit_, k, -1, &value);
  return value;
}

int LiveControl::Write(int k, const klv::PropertyValue& value) {
  auto write =
      reinterpret_cast<klv::WritePropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kWriteProperty));
  int answer = write(unit_, k, -1, value);
  if (answer == 1) unit_->Rebuild();
  return answer;
}

int LiveControl::WriteWord(int k, uint32_t value) {
  klv::PropertyValue property;
  property.low = value;
  return Write(k, property);
}

int LiveControl::WriteText(int k, const std::string& value) {
  klv::PropertyValue property;
  property.text = value;
  return Write(k, property);
}

int LiveControl::WriteBytes(int k, const std::vector<uint8_t>& value) {
  klv::PropertyValue property;
  property.bytes = value;
  return Write(k, property);
}

void Pump() {
  for (int round = 0; round < 5; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
}

void MoveCursorTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Pump();
}

void ClickHere() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
}

void DoubleClickHere() {
  for (int click = 0; click < 2; ++click) {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
  }
  Pump();
}

void ClickAt(POINT screen) {
  MoveCursorTo(screen);
  ClickHere();
}

POINT CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void TypeKey(WORD virtualKey) {
  SendKey(virtualKey, 0);
  SendKey(virtualKey, KEYEVENTF_KEYUP);
  Pump();
}

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  Pump();
}

COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

}  // namespace basictest
