// The clicker's only door into the runtime: the support entries it was handed
// at program start, and thin typed helpers around them.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "runtime/interface/support_entries.h"
#include "runtime/interface/system_function_numbers.h"

namespace klv::clicker {

void SetSupport(const SupportEntries* support);
const SupportEntries& Support();

// Runtime heap through the support entries.
void* Allocate(uint32_t bytes);
void Free(void* block);

// A text received from the runtime, freed when it goes out of scope.
class HeapText {
 public:
  explicit HeapText(char* text = nullptr) : text_(text) {}
  ~HeapText() { Free(text_); }
  HeapText(const HeapText&) = delete;
  HeapText& operator=(const HeapText&) = delete;
  HeapText(HeapText&& other) noexcept : text_(other.text_) { other.text_ = nullptr; }
  HeapText& operator=(HeapText&& other) noexcept;
  const char* get() const { return text_; }
  // Null and the empty text are the same value.
  bool empty() const { return text_ == nullptr || text_[0] == '\0'; }
  bool Equals(const char* other) const;
  // A copy of the text; null reads as the empty text.
  std::string str() const { return text_ ? text_ : ""; }
  char* release() {
    char* text = text_;
    text_ = nullptr;
    return text;
  }

 private:
  char* text_;
};

// Exact, case-sensitive byte comparison; null equals the empty text.
bool TextsMatch(const char* a, const char* b);

// Fresh heap texts.
char* CopyHeapText(const char* text);
char* JoinTexts(std::initializer_list<const char*> parts);

// An empty one-dimensional array of pointers.
void* NewEmptyPointerArray();
// Appends one pointer to such an array (re-allocated one element larger).
void* AppendPointer(void* array, void* element);
uint32_t PointerCount(const void* array);
void* PointerAt(const void* array, uint32_t index);
// Frees every element of a pointer array, then the array.
void FreePointerArrayDeep(void* array);

// Library commands.
CommandArgument TextArgument(const char* text);
CommandArgument IntegerArgument(int32_t value);
CommandArgument OmittedArgument();
CommandArgument UnitArgument(uint32_t unitId, uint32_t typeCode);  // a control of the main window
CommandArgument WindowArgument();                                  // the main window
CommandResult CallCore(int command, std::initializer_list<CommandArgument> arguments);
CommandResult CallReportList(int command, std::initializer_list<CommandArgument> arguments);

// System functions by their number in the system-function table.
uint32_t CallSystem(SystemFunction function, std::initializer_list<uint32_t> arguments);
template <typename T>
uint32_t Word(T* pointer) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

// Takes over the heap text at a runtime address: a text property's value or
// the low word of a command's result.
HeapText HeapTextAt(uint32_t address);
HeapText ResultText(const CommandResult& result);

// The plan list: the report list that holds the click plan, one step a row.
CommandArgument PlanListArgument();
int32_t CountPlanRows();
// The plan list's columns, in the order the list shows them.
enum class PlanColumn : int32_t { kX, kY, kDelay, kButton };
constexpr uint32_t kPlanColumnCount = 4;
HeapText PlanCellText(int32_t row, PlanColumn column);
void SetPlanCellText(int32_t row, PlanColumn column, const char* text);
// One row's cells as integers, all read from one state of the list (a cell
// that is not a number reads as 0); none for a row the list does not hold,
// so that a plan shortened under a reader is never read as empty rows.
struct PlanStep {
  int32_t x;
  int32_t y;
  int32_t delay;
};
std::optional<PlanStep> ReadPlanStep(int32_t row);

// Properties of the main window's units.
HeapText ReadUnitText(uint32_t unitId, int index);
void WriteUnitText(uint32_t unitId, int index, const char* text);
int32_t ReadUnitInteger(uint32_t unitId, int index);
void WriteUnitInteger(uint32_t unitId, int index, int32_t value);

// Frequent conversions through the core commands.
int32_t TextToInteger(const char* text);
HeapText IntegerToText(int32_t value);

}  // namespace klv::clicker
