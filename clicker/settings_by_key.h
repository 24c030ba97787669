// The settings file through the runtime's ini commands, which wrap the
// system's private-profile calls one key at a time. Used for the files the
// in-memory model leaves to the system (see profile_text.h), and for values
// too long for the model to know how the system cuts them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "clicker/profile_text.h"
#include "clicker/runtime_access.h"

namespace klv::clicker {

// What a load takes from the file: the settings as read, and the
// values of the row keys 1 to the count that the file holds, in key order.
struct LoadedSettings {
  std::string mode, title;
  int32_t count = 0;
  std::vector<std::string> rows;
};

// The longest value a read gives whole; longer ones come back cut.
constexpr size_t kLongestWholeValue = 10239;

// Each works on the plan file at path (program text).
HeapText ReadItem(const char* path, const char* section, const char* key, const char* fallback);

// Writes each key in turn; false at the first write the system refused,
// with its error code in *error.
bool SaveKeyByKey(const char* path, const std::vector<profile::ProfileWrite>& writes, uint32_t* error);
void LoadKeyByKey(const char* path, LoadedSettings* settings);

// The row number a key name stands for: i when the name is "坐标" followed
// by the decimal text of i with no leading zeros, else 0.
int32_t RowNumberOf(const std::string& name);

}  // namespace klv::clicker
