// Records exchanged with the runtime services that need more than two words.
#pragma once
#include <windows.h>

#include <cstdint>

namespace klv {

// Service 0 takes one of these: with handle 0 it starts a search for the
// pattern, otherwise it continues it; entries whose attributes share no bit
// with the filter (when the filter is not 0) are passed over. The name found
// is a fresh heap text (the previous one is freed).
struct FileSearchStep {
  HANDLE handle;
  const char* pattern;
  uint32_t attributeFilter;
  char* foundName;
};

}  // namespace klv
