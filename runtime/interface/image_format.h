// The format of a program image: a small header and the read-only records
// it points to (constants, window templates, libraries, system-function
// table). The runtime knows the program only through it. All records are
// laid out in 32-bit words, as the 32-bit program stores them.
#pragma once
#include <cstdint>

#include "runtime/interface/command_values.h"
#include "runtime/interface/support_entries.h"

namespace klv {

// The callback through which libraries ask the runtime for things.
using HostNotifyFunction = uint32_t (*)(int code, uint32_t first, uint32_t second);
// A library's notification entry: code 1 hands it HostNotify, 6 is shutdown.
using ProcessNotifyLibFunction = int32_t (*)(int code, uint32_t first, uint32_t second);
// Hands out a control type's operations by code (1 create, 4 write property,
// 5 shared operation, 6 read property, 9 enumerate stored texts).
using TypeInterfaceFunction = void* (*)(int operation);

namespace HostNotifyCode {
constexpr int kWindowDescriptions = 1001;
constexpr int kDataTypeRecord = 1002;
constexpr int kUnitDestroyed = 2000;
constexpr int kConvertToNumber = 2001;
constexpr int kProgramDirectory = 2003;
constexpr int kProgramFileName = 2004;
constexpr int kFindUnitObject = 2006;
constexpr int kRequireUnitObject = 2007;
constexpr int kRaiseEvent = 2008;
constexpr int kWindowLoadBegins = 2009;
constexpr int kWindowLoadEnded = 2010;
// A loaded window is about to go (it closes or is being destroyed); when it
// is the last one, the program begins to end.
constexpr int kWindowClosing = 2011;
constexpr int kProcessPendingMessages = 2018;
constexpr int kAllocate = 2024;
}  // namespace HostNotifyCode

namespace ProcessNotifyCode {
constexpr int kStart = 1;
constexpr int kShutdown = 6;
}  // namespace ProcessNotifyCode

struct PropertyDescriptor {
  const char* name;
  const char* englishName;
  const char* description;
  uint32_t kind;  // low 16 bits 1000..1024
  uint32_t flags;
};

namespace TypeFlags {
constexpr uint32_t kEvents = 0x04;
constexpr uint32_t kEventsAlt = 0x40;
constexpr uint32_t kContainer = 0x100;
constexpr uint32_t kWindowless = 0x8000;
}  // namespace TypeFlags

struct DataTypeRecord {
  const char* displayName;
  const char* englishName;
  const char* description;
  uint32_t reserved1[2];
  uint32_t typeFlags;
  uint32_t reserved2[3];
  uint32_t propertyCount;
  const PropertyDescriptor* properties;
  TypeInterfaceFunction interfaceFunction;
  uint32_t reserved3[2];
};

constexpr uint32_t kLibraryFormatWord = 0x01312D65;

struct LibraryRecord {
  uint32_t formatWord;
  const char* identifier;
  uint32_t majorVersion, minorVersion, build;
  uint32_t minimumRuntimeMajor, minimumRuntimeMinor, minimumCoreMajor, minimumCoreMinor;
  const char* displayName;
  uint32_t language;
  uint32_t reserved12;
  uint32_t stateFlags;
  const char* descriptiveTexts[8];
  uint32_t dataTypeCount;
  const DataTypeRecord* dataTypes;
  uint32_t reserved24, reserved25;
  uint32_t commandCount;
  uint32_t reserved27;
  const CommandFunction* commands;
  uint32_t reserved29, reserved30;
  ProcessNotifyLibFunction processNotifyLib;
  uint32_t reserved32to36[5];
};

// What the image's code base refers to: the program's start routine and the
// handler table through which template handler references are resolved.
struct ProgramCode {
  int (*programStart)(const SupportEntries* support);
  uint32_t handlerCount;
  const EventHandler* handlers;
};

struct ProgramImageHeader {
  uint32_t runMode;
  uint32_t unknownHeaderWord2;  // role unknown: the runtime copies it into its state and reads it nowhere
  uint32_t unknownHeaderWord3;  // role unknown: copied the same way; the image stores it increased by one
  const ProgramCode* codeBase;
  const uint8_t* constants;
  uint32_t constantsLength;
  const uint8_t* templateBlock;
  uint32_t templateLength;
  uint32_t libraryCount;
  const LibraryRecord* const* libraries;
  uint32_t systemFunctionCount;
  const char* const* libraryNames;
  const char* const* functionNames;
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(PropertyDescriptor) == 20, "5 words");
static_assert(sizeof(DataTypeRecord) == 56, "14 words");
static_assert(sizeof(LibraryRecord) == 144, "36 words");
static_assert(sizeof(ProgramImageHeader) == 52, "13 words");
#endif

}  // namespace klv
