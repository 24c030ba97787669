// The runtime heap entries and services as the program's code reaches them:
// through the support table, on the process heap, with constants that are
// never freed nor changed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "tests/runtime/in_process_runtime.h"

namespace {

using klvtest::Constants;
using klvtest::GuardIntact;
using klvtest::HeapRecord;
using klvtest::kFreshByte;
using klvtest::TakeHeapRecord;

class RuntimeMemory : public ::testing::Test {
 protected:
  void SetUp() override {
    klvtest::StartInProcessRuntime();
    TakeHeapRecord();
  }
  const klv::SupportEntries& support = klv::SupportTable();
};

std::string Bytes(const void* block, size_t count) { return std::string(static_cast<const char*>(block), count); }

uint32_t Word(const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); }

TEST_F(RuntimeMemory, FreeMemoryIgnoresNullAndEveryPointerIntoTheConstants) {
  const std::string before = Bytes(&Constants(), sizeof(klvtest::TestConstants));
  support.FreeMemory(nullptr);
  support.FreeMemory(const_cast<char*>(Constants().programManager));
  support.FreeMemory(const_cast<char*>(Constants().programManager + 8));  // inside a constant
  support.FreeMemory(const_cast<uint32_t*>(Constants().matrix));
  support.FreeMemory(const_cast<char*>(Constants().tail + 3));  // the range's last byte
  EXPECT_TRUE(TakeHeapRecord().released.empty());
  EXPECT_EQ(before, Bytes(&Constants(), sizeof(klvtest::TestConstants)));

  // A heap block does go back: the record above would have shown a release.
  void* block = support.AllocateMemory(8);
  support.FreeMemory(block);
  HeapRecord record = TakeHeapRecord();
  ASSERT_EQ(1u, record.released.size());
  EXPECT_EQ(block, record.released[0]);
}

TEST_F(RuntimeMemory, ResizeMemoryOfATextConstantReturnsAHeapCopyAndKeepsTheConstant) {
  const char* constant = Constants().programManager;
  char* copy = static_cast<char*>(support.ResizeMemory(const_cast<char*>(constant), 40));
  ASSERT_NE(nullptr, copy);
  EXPECT_FALSE(klv::InConstantsRange(copy));
  EXPECT_STREQ("Program Manager", copy);
  EXPECT_STREQ("Program Manager", constant);
  std::strcpy(copy + 15, " and more");  // the copy is the receiver's to change
  EXPECT_STREQ("Program Manager and more", copy);
  EXPECT_STREQ("Program Manager", constant);
  HeapRecord record = TakeHeapRecord();
  EXPECT_EQ(std::vector<uint32_t>{40}, record.allocatedSizes);
  EXPECT_TRUE(record.released.empty());  // the constant is not freed
  EXPECT_TRUE(GuardIntact(copy, 40));
  support.FreeMemory(copy);
}

TEST_F(RuntimeMemory, ResizeMemoryOfAConstantCopiesAtMostTheNewSize) {
  char* copy = static_cast<char*>(support.ResizeMemory(const_cast<char*>(Constants().programManager), 4));
  EXPECT_EQ(std::vector<uint32_t>{4}, TakeHeapRecord().allocatedSizes);
  EXPECT_EQ("Prog", Bytes(copy, 4));
  EXPECT_TRUE(GuardIntact(copy, 4)) << "bytes were written past the new size";
  support.FreeMemory(copy);
}

TEST_F(RuntimeMemory, ResizeMemoryOfAConstantCopiesNothingFromBeyondTheConstantsRange) {
  // "yz" and its zero are the last three bytes of the range; 0xEE follows it.
  char* copy = static_cast<char*>(support.ResizeMemory(const_cast<char*>(Constants().tail + 1), 10));
  std::string expected = std::string("yz\0", 3) + std::string(7, static_cast<char>(kFreshByte));
  EXPECT_EQ(expected, Bytes(copy, 10));
  EXPECT_TRUE(GuardIntact(copy, 10));
  support.FreeMemory(copy);
}

TEST_F(RuntimeMemory, ResizeMemoryOfNullAllocatesAndOfAHeapBlockKeepsItsContent) {
  char* block = static_cast<char*>(support.ResizeMemory(nullptr, 6));
  EXPECT_EQ(std::vector<uint32_t>{6}, TakeHeapRecord().allocatedSizes);
  std::memcpy(block, "abcdef", 6);
  block = static_cast<char*>(support.ResizeMemory(block, 5000));
  EXPECT_EQ("abcdef", Bytes(block, 6));
  block = static_cast<char*>(support.ResizeMemory(block, 3));
  EXPECT_EQ("abc", Bytes(block, 3));
  EXPECT_TRUE(TakeHeapRecord().allocatedSizes.empty());  // resized, not allocated anew
  support.FreeMemory(block);
}

// MakeArrayWritable through the runtime service, as the program's code calls it.
void* MakeWritable(uint32_t elementSize, const void* array) {
  void* reference = const_cast<void*>(array);
  klv::SupportTable().CallRuntimeService(klv::RuntimeService::kMakeArrayWritable, elementSize, Word(&reference));
  return reference;
}

struct ConstantArrayCase {
  const char* name;
  const void* array;
  uint32_t elementSize;
  uint32_t blockSize;  // 4 + 4 * d + element size * element count
};

TEST_F(RuntimeMemory, MakeArrayWritableCopiesAConstantArrayWhole) {
  const ConstantArrayCase cases[] = {
      {"two dimensions 2 x 3 of 4 bytes", Constants().matrix, 4, 4 + 8 + 24},
      {"no dimensions", Constants().noDimensions, 4, 4},
      {"byte set of 5", Constants().byteSet, 1, 4 + 4 + 5},
      {"two elements of 8 bytes", Constants().pairs, 8, 4 + 4 + 16},
  };
  for (const ConstantArrayCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = Bytes(c.array, c.blockSize);
    void* copy = MakeWritable(c.elementSize, c.array);
    ASSERT_NE(c.array, copy);
    EXPECT_FALSE(klv::InConstantsRange(copy));
    EXPECT_EQ(std::vector<uint32_t>{c.blockSize}, TakeHeapRecord().allocatedSizes);
    EXPECT_EQ(before, Bytes(copy, c.blockSize));
    EXPECT_TRUE(GuardIntact(copy, c.blockSize));
    EXPECT_EQ(before, Bytes(c.array, c.blockSize));
    support.FreeMemory(copy);
  }
}

TEST_F(RuntimeMemory, MakeArrayWritableLeavesHeapArraysAndNullAlone) {
  uint32_t* array = static_cast<uint32_t*>(support.AllocateMemory(12));
  array[0] = 1;
  array[1] = 1;
  array[2] = 77;
  TakeHeapRecord();
  EXPECT_EQ(array, MakeWritable(4, array));
  EXPECT_EQ(nullptr, MakeWritable(4, nullptr));
  HeapRecord record = TakeHeapRecord();
  EXPECT_TRUE(record.allocatedSizes.empty());
  EXPECT_TRUE(record.released.empty());
  EXPECT_EQ(77u, array[2]);
  support.FreeMemory(array);
}

}  // namespace
