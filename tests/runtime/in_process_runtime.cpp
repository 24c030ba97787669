#include "tests/runtime/in_process_runtime.h"

#include <windows.h>

#include <cstring>

#include "app/klikvane_image.h"
#include "image/program_image_data.h"
#include "runtime/app_runtime.h"
#include "runtime/heap.h"

namespace klvtest {

const ConstantsAndBeyond kConstantsAndBeyond = {
    {
        "Program Manager",
        {2, 2, 3, 11, 12, 13, 21, 22, 23},
        {0},
        {1, 5},
        {0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0, 0, 0},
        {1, 2, 0x11111111, 0x22222222, 0x33333333, 0x44444444},
        "xyz",
    },
    {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE},
};

namespace {

HeapRecord g_record;

void* RecordingAllocate(size_t bytes) {
  void* block = HeapAlloc(GetProcessHeap(), 0, bytes + kGuardBytes);
  if (block == nullptr) return nullptr;
  std::memset(block, kFreshByte, bytes + kGuardBytes);
  g_record.allocatedSizes.push_back(static_cast<uint32_t>(bytes));
  return block;
}

void* RecordingResize(void* block, size_t bytes) {
  void* moved = HeapReAlloc(GetProcessHeap(), 0, block, bytes + kGuardBytes);
  if (moved) std::memset(static_cast<uint8_t*>(moved) + bytes, kFreshByte, kGuardBytes);
  return moved;
}

void RecordingRelease(void* block) {
  g_record.released.push_back(block);
  HeapFree(GetProcessHeap(), 0, block);
}

klv::ProgramImageHeader MakeImage() {
  klv::ProgramImageHeader image = {};
  image.runMode = 3;
  image.unknownHeaderWord3 = 1;
  image.constants = reinterpret_cast<const uint8_t*>(&kConstantsAndBeyond.constants);
  image.constantsLength = sizeof(TestConstants);
  image.systemFunctionCount = klv::kProgramImage.systemFunctionCount;
  image.libraryNames = klv::kSystemLibraryNames.data();
  image.functionNames = klv::kSystemFunctionNames.data();
  return image;
}

}  // namespace

const klv::ProgramImageHeader& InProcessImage() {
  static const klv::ProgramImageHeader image = MakeImage();
  return image;
}

void StartInProcessRuntime() {
  static bool started = false;
  if (started) return;
  started = true;
  klv::InitRuntimeForImage(&InProcessImage());
  klv::SetHeapBackend({RecordingAllocate, RecordingResize, RecordingRelease});
}

HeapRecord TakeHeapRecord() {
  HeapRecord taken = g_record;
  g_record = HeapRecord();
  return taken;
}

bool GuardIntact(const void* block, size_t size) {
  const uint8_t* guard = static_cast<const uint8_t*>(block) + size;
  for (size_t i = 0; i < kGuardBytes; ++i) {
    if (guard[i] != kFreshByte) return false;
  }
  return true;
}

}  // namespace klvtest
