// The runtime started inside the test program itself, on an image with test
// constants and the program's own system-function table, and a heap backend
// that records every allocation and release on top of the process heap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/interface/image_format.h"

namespace klvtest {

// The constants block: arrays laid out as ArrayValues, a text at its very end.
struct TestConstants {
  char programManager[16];     // "Program Manager"
  uint32_t matrix[1 + 2 + 6];  // d = 2, sizes 2 and 3, six elements of 4 bytes
  uint32_t noDimensions[1];    // d = 0
  uint32_t byteSet[2];         // d = 1, size 5, then the five bytes
  uint8_t byteSetBytes[8];     // five used
  uint32_t pairs[2 + 4];       // d = 1, size 2, two elements of 8 bytes
  char tail[4];                // "xyz": the last bytes of the range
};

// The constants and what lies directly behind them in memory, outside the range.
struct ConstantsAndBeyond {
  TestConstants constants;
  uint8_t beyond[16];  // 0xEE, never part of any copy
};
extern const ConstantsAndBeyond kConstantsAndBeyond;
inline const TestConstants& Constants() { return kConstantsAndBeyond.constants; }

// Starts the runtime once for the whole test program (heap, constants range,
// system-function tables, program directory, message window).
const klv::ProgramImageHeader& InProcessImage();
void StartInProcessRuntime();

// Blocks handed out by the recording backend are filled with this byte and
// followed by kGuardBytes more of it, so that bytes nobody wrote and writes
// past the end both show.
constexpr uint8_t kFreshByte = 0xA5;
constexpr size_t kGuardBytes = 16;

struct HeapRecord {
  std::vector<uint32_t> allocatedSizes;
  std::vector<void*> released;
};
// Returns what the backend saw since the last call, and forgets it.
HeapRecord TakeHeapRecord();
// True when the kGuardBytes behind the first size bytes of block are untouched.
bool GuardIntact(const void* block, size_t size);

}  // namespace klvtest
