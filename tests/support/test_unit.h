// One control made as the window loader makes it, for the control tests: its
// type record's create operation, property access through the type's read
// and write operations (with the runtime's rebuild step), and destruction
// through the type's shared operation.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/interface/command_values.h"
#include "runtime/interface/image_format.h"
#include "runtime/unit_object.h"

namespace klvtest {

// The window the test units belong to.
constexpr uint32_t kTestWindowId = 0x52010001;

// A number setting written, and what the control keeps of it.
struct KeptSetting {
  int k;
  uint32_t written, kept;
};

// What a control answers to its parent's colour question (WM_CTLCOLOR...)
// on a memory device context: the colours it set and the brush it gave.
struct ColourAnswer {
  bool answered;
  COLORREF text, background;
  LRESULT brush;
};

class TestUnit {
 public:
  // typeCode: the type's code, which the control carries as a command's
  // first argument (Argument).
  TestUnit(const klv::DataTypeRecord& type, uint32_t unitId, HWND parent, std::vector<uint8_t> settings, RECT rect,
           int childId = 100, bool disabled = false, uint32_t typeCode = 0);
  ~TestUnit() { Destroy(); }
  TestUnit(const TestUnit&) = delete;
  TestUnit& operator=(const TestUnit&) = delete;

  klv::UnitObject* unit() const { return unit_; }
  HWND hwnd() const { return unit_ ? unit_->hwnd() : nullptr; }
  uint32_t unitId() const { return unitId_; }
  // Shows and paints the system window (the loader shows controls after
  // creating them).
  void Show() const;
  void Destroy();

  // Type property k (the numbers of runtime/interface/type_properties.h). A write
  // the type answers with WriteOutcome::kRebuildWindow rebuilds the system
  // window with events suppressed, as the runtime does, and answers 1; any
  // other write answers 0.
  klv::PropertyValue Read(int k) const;
  uint32_t ReadWord(int k) const { return Read(k).low; }
  int32_t ReadNumber(int k) const { return static_cast<int32_t>(Read(k).low); }
  std::string ReadText(int k) const { return Read(k).text; }
  int Write(int k, const klv::PropertyValue& value);
  int WriteWord(int k, uint32_t value);
  int WriteNumber(int k, int32_t value) { return WriteWord(k, static_cast<uint32_t>(value)); }
  int WriteText(int k, const std::string& value);
  int WriteBytes(int k, const std::vector<uint8_t>& value);
  // Writes each setting in turn and checks what reads back.
  void ExpectKept(std::initializer_list<KeptSetting> settings);
  ColourAnswer AskColours(UINT message) const;

  // The control as a command's first argument.
  klv::CommandArgument Argument() const { return klv::CommandArgument{kTestWindowId, unitId_, typeCode_}; }

 private:
  klv::DataTypeRecord type_;
  uint32_t typeCode_;
  uint32_t unitId_;
  klv::ControlRecord record_;
  klv::UnitObject* unit_ = nullptr;
};

// The live test unit of that window and unit, or null: the runtime's unit
// lookups answer from these in a test process without window templates.
klv::UnitObject* FindTestUnit(uint32_t windowId, uint32_t unitId);

}  // namespace klvtest
