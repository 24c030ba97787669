#include "clicker/settings_by_key.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "clicker/settings_storage.h"
#include "clicker/runtime_access.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"
#include "runtime/byte_reader.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kFirstNamesRoom = 4096;
constexpr uint32_t kLargestNamesRoom = 64u << 20;
constexpr char kEmptyKeyName[] = "";
constexpr size_t kLongestRowNumber = 10;  // digits of the largest 32-bit number

HeapText RowKey(int32_t number) {
  return HeapText(JoinTexts({kConstants.keyRowPrefix, IntegerToText(number).get()}));
}

uint32_t ReadRowSection(const char* path, const char* key, const char* fallback, char* buffer, uint32_t room) {
  return CallSystem(kGetPrivateProfileStringA, {Word(kConstants.sectionCoordinate), Word(key), Word(fallback),
                                                Word(buffer), room, Word(path)});
}

// True when the "Coordinate" section holds a key whose name is empty (a line
// "=value"): asked with two different defaults, a missing key answers each.
bool RowSectionHasEmptyKeyName(const char* path) {
  char answers[2][4];
  ReadRowSection(path, kEmptyKeyName, kConstants.zero, answers[0], sizeof answers[0]);
  ReadRowSection(path, kEmptyKeyName, kConstants.one, answers[1], sizeof answers[1]);
  return !TextsMatch(answers[0], kConstants.zero) || !TextsMatch(answers[1], kConstants.one);
}

// The key names of the "Coordinate" section, each ending with a zero byte,
// as one list. False when the system cannot hand over the whole list: it
// grew past the largest room, or the first name is empty, in which case the
// system answers the default as if the section held no key at all.
bool ReadRowKeyNames(const char* path, std::vector<char>* names) {
  for (uint32_t room = kFirstNamesRoom; room <= kLargestNamesRoom; room *= 2) {
    names->assign(room, '\0');
    uint32_t length = ReadRowSection(path, nullptr, nullptr, names->data(), room);
    // A list that fills the room (room - 2, or room - 1 when converting the
    // names to GBK overflowed) may have been cut: ask again with more.
    if (length + 2 < room) {
      names->resize(length);
      return length > 0 || !RowSectionHasEmptyKeyName(path);
    }
  }
  return false;
}

// The numbers 1..limit, ascending, whose row keys the list names. An empty
// name inside the list is a name like any other, so the list is walked by
// its length rather than up to a double zero byte.
std::vector<int32_t> RowNumbersListed(const std::vector<char>& names, int32_t limit) {
  ByteReader reader(reinterpret_cast<const uint8_t*>(names.data()), names.size());
  std::vector<int32_t> numbers;
  std::string name;
  while (!reader.atEnd() && reader.ReadString(&name)) {
    int32_t number = RowNumberOf(name);
    if (number >= 1 && number <= limit) numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

std::string RowValue(const char* path, int32_t number) {
  return ReadItem(path, kConstants.sectionCoordinate, RowKey(number).get(), nullptr).str();
}

// The values of the keys "坐标" + i for i from 1 to the count, in that order.
// Only the keys the section holds are read: the plan is the same as reading
// every i, but a damaged count costs nothing more than the keys the file
// really has. When the names cannot be listed, every i is read.
void ReadRowsUpTo(const char* path, int32_t count, std::vector<std::string>* rows) {
  if (count < 1) return;
  std::vector<char> names;
  if (ReadRowKeyNames(path, &names)) {
    for (int32_t number : RowNumbersListed(names, count)) rows->push_back(RowValue(path, number));
    return;
  }
  for (int32_t number = 1;; ++number) {
    rows->push_back(RowValue(path, number));
    if (number == count) break;  // stops before the number could wrap
  }
}

}  // namespace

HeapText ReadItem(const char* path, const char* section, const char* key, const char* fallback) {
  CommandResult result = CallCore(core::kReadIniItem, {TextArgument(path), TextArgument(section),
                                                       TextArgument(key),
                                                       fallback ? TextArgument(fallback) : OmittedArgument()});
  return ResultText(result);
}

bool SaveKeyByKey(const char* path, const std::vector<profile::ProfileWrite>& writes, uint32_t* error) {
  PrepareErrorReading();
  for (const profile::ProfileWrite& write : writes) {
    CommandResult written =
        CallCore(core::kWriteIniItem, {TextArgument(path), TextArgument(write.section.c_str()),
                                       TextArgument(write.key.c_str()), TextArgument(write.value.c_str())});
    if (written.low == 0) {
      *error = LastSystemError();
      return false;
    }
  }
  return true;
}

void LoadKeyByKey(const char* path, LoadedSettings* settings) {
  settings->mode = ReadItem(path, kConstants.sectionConfiguration, kConstants.keyClickMode, kConstants.zero).str();
  settings->title = ReadItem(path, kConstants.sectionConfiguration, kConstants.keyWindowTitle, nullptr).str();
  HeapText count = ReadItem(path, kConstants.sectionConfiguration, kConstants.keyRowCount, kConstants.zero);
  settings->count = TextToInteger(count.get());
  ReadRowsUpTo(path, settings->count, &settings->rows);
}

int32_t RowNumberOf(const std::string& name) {
  const size_t prefix = std::strlen(kConstants.keyRowPrefix);
  if (name.compare(0, prefix, kConstants.keyRowPrefix) != 0) return 0;
  const std::string digits = name.substr(prefix);
  if (digits.empty() || digits.size() > kLongestRowNumber || digits[0] == '0') return 0;
  int64_t number = 0;
  for (char digit : digits) {
    if (digit < '0' || digit > '9') return 0;
    number = number * 10 + (digit - '0');
  }
  return number <= INT32_MAX ? static_cast<int32_t>(number) : 0;
}

}  // namespace klv::clicker
