#include "clicker/runtime_access.h"

#include <cstring>

#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"
#include "controls/report_list/report_list_commands.h"

namespace klv::clicker {
namespace {

const SupportEntries* g_support = nullptr;

// The report list's library is the second in the image's library list.
constexpr int kReportListLibraryPosition = 1;

uint32_t* Words(void* array) { return static_cast<uint32_t*>(array); }
const uint32_t* Words(const void* array) { return static_cast<const uint32_t*>(array); }

}  // namespace

void SetSupport(const SupportEntries* support) { g_support = support; }
const SupportEntries& Support() { return *g_support; }

void* Allocate(uint32_t bytes) { return Support().AllocateMemory(bytes); }
void Free(void* block) { Support().FreeMemory(block); }

HeapText& HeapText::operator=(HeapText&& other) noexcept {
  if (this != &other) {
    Free(text_);
    text_ = other.text_;
    other.text_ = nullptr;
  }
  return *this;
}

bool HeapText::Equals(const char* other) const { return TextsMatch(text_, other); }

bool TextsMatch(const char* a, const char* b) { return std::strcmp(a ? a : "", b ? b : "") == 0; }

char* CopyHeapText(const char* text) { return JoinTexts({text}); }

char* JoinTexts(std::initializer_list<const char*> parts) {
  size_t total = 0;
  for (const char* part : parts) total += part ? std::strlen(part) : 0;
  if (total == 0) return nullptr;
  char* joined = static_cast<char*>(Allocate(static_cast<uint32_t>(total + 1)));
  char* at = joined;
  for (const char* part : parts) {
    size_t n = part ? std::strlen(part) : 0;
    std::memcpy(at, part ? part : "", n);
    at += n;
  }
  *at = '\0';
  return joined;
}

void* NewEmptyPointerArray() {
  uint32_t* array = static_cast<uint32_t*>(Allocate(8));
  array[0] = 1;  // one dimension
  array[1] = 0;  // of size 0
  return array;
}

uint32_t PointerCount(const void* array) { return array && Words(array)[0] == 1 ? Words(array)[1] : 0; }

void* PointerAt(const void* array, uint32_t index) {
  return reinterpret_cast<void* const*>(Words(array) + 2)[index];
}

void* AppendPointer(void* array, void* element) {
  uint32_t count = PointerCount(array);
  void* grown = Support().ResizeMemory(array, 8 + (count + 1) * sizeof(void*));
  Words(grown)[0] = 1;
  Words(grown)[1] = count + 1;
  reinterpret_cast<void**>(Words(grown) + 2)[count] = element;
  return grown;
}

void FreePointerArrayDeep(void* array) {
  if (array == nullptr) return;
  uint32_t count = PointerCount(array);
  for (uint32_t i = 0; i < count; ++i) Free(PointerAt(array, i));
  Free(array);
}

CommandArgument TextArgument(const char* text) {
  return {Word(text), 0, TypeCode::kText};
}
CommandArgument IntegerArgument(int32_t value) { return {static_cast<uint32_t>(value), 0, TypeCode::kInteger}; }
CommandArgument OmittedArgument() { return {0, 0, TypeCode::kOmitted}; }
CommandArgument UnitArgument(uint32_t unitId, uint32_t typeCode) { return {Unit::kMainWindow, unitId, typeCode}; }
CommandArgument WindowArgument() { return {Unit::kMainWindow, 0, TypeCode::kWindow}; }

// The arguments of an initializer list lie in one array already: they are
// handed on in place, with no copy on the heap (the runner calls these at
// every step).
CommandResult CallCore(int command, std::initializer_list<CommandArgument> arguments) {
  return Support().CallCoreCommand(kCoreCommands[command], static_cast<int>(arguments.size()), arguments.begin());
}

CommandResult CallReportList(int command, std::initializer_list<CommandArgument> arguments) {
  return Support().CallLibraryCommand(kReportListLibraryPosition, kReportListCommands[command],
                                 static_cast<int>(arguments.size()), arguments.begin());
}

uint32_t CallSystem(SystemFunction function, std::initializer_list<uint32_t> arguments) {
  return Support().CallSystemFunction(function, static_cast<int>(arguments.size()), arguments.begin());
}

HeapText HeapTextAt(uint32_t address) { return HeapText(reinterpret_cast<char*>(static_cast<uintptr_t>(address))); }

HeapText ResultText(const CommandResult& result) { return HeapTextAt(result.low); }

CommandArgument PlanListArgument() { return UnitArgument(Unit::kPlanList, TypeCode::kReportList); }

int32_t CountPlanRows() {
  return static_cast<int32_t>(CallReportList(reportlist::kListRowCount, {PlanListArgument()}).low);
}

namespace {
CommandArgument ColumnArgument(PlanColumn column) { return IntegerArgument(static_cast<int32_t>(column)); }
}  // namespace

HeapText PlanCellText(int32_t row, PlanColumn column) {
  return ResultText(
      CallReportList(reportlist::kListCellText, {PlanListArgument(), IntegerArgument(row), ColumnArgument(column)}));
}

void SetPlanCellText(int32_t row, PlanColumn column, const char* text) {
  CallReportList(reportlist::kListSetCellText,
                 {PlanListArgument(), IntegerArgument(row), ColumnArgument(column), TextArgument(text)});
}

// A row the list holds has a cell for each column, and always at least one:
// no cells at all means no row.
std::optional<PlanStep> ReadPlanStep(int32_t row) {
  void* cells = reinterpret_cast<void*>(static_cast<uintptr_t>(
      CallReportList(reportlist::kListRowTexts, {PlanListArgument(), IntegerArgument(row)}).low));
  const uint32_t count = PointerCount(cells);
  auto cell = [cells, count](PlanColumn column) {
    const auto at = static_cast<uint32_t>(column);
    return at < count ? TextToInteger(static_cast<const char*>(PointerAt(cells, at))) : 0;
  };
  std::optional<PlanStep> step;
  if (count > 0) step = PlanStep{cell(PlanColumn::kX), cell(PlanColumn::kY), cell(PlanColumn::kDelay)};
  FreePointerArrayDeep(cells);
  return step;
}

HeapText ReadUnitText(uint32_t unitId, int index) {
  return HeapTextAt(static_cast<uint32_t>(Support().ReadProperty(Unit::kMainWindow, unitId, index, -1)));
}

void WriteUnitText(uint32_t unitId, int index, const char* text) {
  Support().WriteProperty(Unit::kMainWindow, unitId, index, -1, Word(text));
}

int32_t ReadUnitInteger(uint32_t unitId, int index) {
  return static_cast<int32_t>(Support().ReadProperty(Unit::kMainWindow, unitId, index, -1));
}

void WriteUnitInteger(uint32_t unitId, int index, int32_t value) {
  Support().WriteProperty(Unit::kMainWindow, unitId, index, -1, static_cast<uint32_t>(value));
}

int32_t TextToInteger(const char* text) {
  return static_cast<int32_t>(CallCore(core::kToInteger, {TextArgument(text)}).low);
}

HeapText IntegerToText(int32_t value) {
  return ResultText(CallCore(core::kToText, {IntegerArgument(value)}));
}

}  // namespace klv::clicker
