// Building a library record by field name instead of by position. Every
// library here has the same frame: the record format, version words, the
// minimum runtime and core versions 5.0, language 1, eight empty descriptive
// texts and the shared notification entry. What sets one apart (its types
// and commands) is set on the returned record by name.
#pragma once
#include "controls/host.h"
#include "runtime/program_image.h"

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

}  // namespace klv
