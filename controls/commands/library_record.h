// Building a library record by field name instead of by position. Every
// library here has the same frame: the record format, version words, the
// minimum runtime and core versions 5.0, language 1, empty descriptive texts
// and the shared notification entry. What sets one apart (its types
// and commands) is set on the returned record by name.
#pragma once
#include <array>
#include <cstddef>
#include <initializer_list>

#include "controls/skeleton/host.h"
#include "runtime/interface/image_format.h"

namespace klv {

constexpr LibraryRecord LibraryRecordNamed(const char* identifier, const char* displayName, uint32_t majorVersion,
                                           uint32_t minorVersion) {
  LibraryRecord record = {};
  record.formatWord = kLibraryFormatWord;
  record.identifier = identifier;
  record.majorVersion = majorVersion;
  record.minorVersion = minorVersion;
  record.minimumRuntimeMajor = 5;
  record.minimumCoreMajor = 5;
  record.displayName = displayName;
  record.language = 1;
  for (const char*& text : record.descriptiveTexts) text = "";
  record.processNotifyLib = ProcessNotifyLibrary;
  return record;
}

// A library's data type table: Count slots, each empty unless a type record
// is placed in it (type number n of a library is slot n - 1).
template <std::size_t Count>
struct TypeSlots {
  struct Placed {
    std::size_t slot;
    DataTypeRecord (*make)();
  };
  DataTypeRecord types[Count] = {};
  explicit TypeSlots(std::initializer_list<Placed> placed) {
    for (const Placed& type : placed) types[type.slot] = type.make();
  }
};

// The record with its data types and commands set.
template <std::size_t TypeCount, std::size_t CommandCount = 0>
LibraryRecord WithContents(LibraryRecord record, const TypeSlots<TypeCount>& types,
                           const std::array<CommandFunction, CommandCount>* commands = nullptr) {
  record.dataTypeCount = TypeCount;
  record.dataTypes = types.types;
  if (commands != nullptr) {
    record.commandCount = CommandCount;
    record.commands = commands->data();
  }
  return record;
}

}  // namespace klv
