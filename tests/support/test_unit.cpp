#include "tests/support/test_unit.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "runtime/runtime_errors.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

// How long a change of a control is let settle: until no message came for this long.
constexpr DWORD kSettleQuietMs = 30;

std::map<std::pair<uint32_t, uint32_t>, klv::UnitObject*>& LiveUnits() {
  static std::map<std::pair<uint32_t, uint32_t>, klv::UnitObject*> units;
  return units;
}

void Settle() { PumpUntilQuiet(kSettleQuietMs, DispatchWaiting); }

}  // namespace

klv::UnitObject* FindTestUnit(uint32_t windowId, uint32_t unitId) {
  auto found = LiveUnits().find({windowId, unitId});
  return found == LiveUnits().end() ? nullptr : found->second;
}

TestUnit::TestUnit(const klv::DataTypeRecord& type, uint32_t unitId, HWND parent, std::vector<uint8_t> settings,
                   RECT rect, int childId, bool disabled, uint32_t typeCode)
    : type_(type), typeCode_(typeCode), unitId_(unitId) {
  record_.left = rect.left;
  record_.top = rect.top;
  record_.width = rect.right - rect.left;
  record_.height = rect.bottom - rect.top;
  record_.flags = klv::UnitFlag::kVisible | klv::UnitFlag::kTabStop;
  record_.settings = std::move(settings);
  klv::CreateRequest request = {};
  request.parent = parent;
  request.windowId = kTestWindowId;
  request.unitId = unitId;
  request.typeCode = typeCode;
  request.record = &record_;
  request.left = record_.left;
  request.top = record_.top;
  request.width = record_.width;
  request.height = record_.height;
  request.disabled = disabled;
  request.tabStop = true;
  request.childId = childId;
  auto create = reinterpret_cast<klv::CreateOperation>(type.interfaceFunction(klv::TypeOperation::kCreate));
  unit_ = create ? create(request) : nullptr;
  if (unit_) LiveUnits()[{kTestWindowId, unitId}] = unit_;
}

void TestUnit::Show() const {
  ShowWindow(hwnd(), SW_SHOWNA);
  UpdateWindow(hwnd());
  Settle();
}

void TestUnit::Destroy() {
  if (unit_ == nullptr) return;
  LiveUnits().erase({kTestWindowId, unitId_});
  auto destroy = reinterpret_cast<klv::SharedOperation>(type_.interfaceFunction(klv::TypeOperation::kShared));
  if (destroy) destroy(unit_);
  unit_ = nullptr;
  Settle();
}

klv::PropertyValue TestUnit::Read(int k) const {
  auto read = reinterpret_cast<klv::ReadPropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kReadProperty));
  klv::PropertyValue value;
  EXPECT_TRUE(read(unit_, k, -1, &value)) << "property " << k;
  return value;
}

int TestUnit::Write(int k, const klv::PropertyValue& value) {
  auto write =
      reinterpret_cast<klv::WritePropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kWriteProperty));
  bool rebuild = write(unit_, k, -1, value) == klv::WriteOutcome::kRebuildWindow;
  if (rebuild) {
    const klv::EventSuppressionScope suppressed;
    unit_->Rebuild();
  }
  return rebuild ? 1 : 0;
}

int TestUnit::WriteWord(int k, uint32_t value) {
  klv::PropertyValue property;
  property.low = value;
  return Write(k, property);
}

int TestUnit::WriteText(int k, const std::string& value) {
  klv::PropertyValue property;
  property.text = value;
  return Write(k, property);
}

int TestUnit::WriteBytes(int k, const std::vector<uint8_t>& value) {
  klv::PropertyValue property;
  property.bytes = value;
  return Write(k, property);
}

void TestUnit::ExpectKept(std::initializer_list<KeptSetting> settings) {
  for (const KeptSetting& setting : settings) {
    WriteWord(setting.k, setting.written);
    EXPECT_EQ(setting.kept, ReadWord(setting.k)) << "property " << setting.k << " written " << setting.written;
  }
}

ColourAnswer TestUnit::AskColours(UINT message) const {
  HDC dc = CreateCompatibleDC(nullptr);
  ColourAnswer answer = {};
  answer.answered = unit_->HandleParentNotification(message, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(hwnd()), &answer.brush);
  answer.text = GetTextColor(dc);
  answer.background = GetBkColor(dc);
  DeleteDC(dc);
  return answer;
}

}  // namespace klvtest
