#include "template_layout.h"

#include <cstring>
#include <stdexcept>

uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 4 > bytes.size()) throw std::out_of_range("word past the end");
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

void PutWord(std::vector<uint8_t>* bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void AppendWord(std::vector<uint8_t>* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

namespace {

size_t AfterString(const std::vector<uint8_t>& bytes, size_t at) {
  const void* zero = std::memchr(bytes.data() + at, 0, bytes.size() - at);
  if (!zero) throw std::out_of_range("unterminated string");
  return static_cast<const uint8_t*>(zero) - bytes.data() + 1;
}

size_t AfterCountedText(const std::vector<uint8_t>& bytes, size_t at) {
  int32_t length = static_cast<int32_t>(WordAt(bytes, at));
  return at + 4 + (length > 0 ? length : 0);
}

void WalkControl(const std::vector<uint8_t>& block, RecordLayout* record) {
  size_t at = record->start + 6 * 4;           // type, origin, 4 reserved
  at = AfterString(block, AfterString(block, at));  // name, comment
  at += 7 * 4;                                 // object slot, geometry, cursor slot, parent
  record->childCountAt = at;
  at += 4 + 4 * WordAt(block, at);
  record->pointerLengthAt = at;
  at += 4 + WordAt(block, at);
  at = AfterString(block, at) + 3 * 4;         // tag, reserved, flags, reserved
  record->eventCountAt = at;
  at += 4 + 8 * WordAt(block, at) + 5 * 4;
  record->settingsAt = at;
}

}  // namespace

BlockLayout LayoutOf(const std::vector<uint8_t>& block) {
  BlockLayout layout;
  size_t windows = WordAt(block, 0) / 8;
  if (windows != 1) throw std::runtime_error("the layout walker handles one window");
  size_t at = 4 + 8 + 8;  // list length, id, slot, two head words
  at = AfterCountedText(block, AfterCountedText(block, at));
  layout.unitCountAt = at;
  layout.unitCount = WordAt(block, at);
  layout.areaLengthAt = at + 4;
  layout.areaLength = WordAt(block, at + 4);
  layout.areaStart = at + 8;
  size_t offsetsAt = layout.areaStart + 4 * layout.unitCount;
  layout.recordsStart = offsetsAt + 4 * layout.unitCount;
  for (uint32_t i = 0; i < layout.unitCount; ++i) {
    layout.unitIds.push_back(WordAt(block, layout.areaStart + 4 * i));
    RecordLayout record;
    record.offsetAt = offsetsAt + 4 * i;
    record.lengthAt = layout.recordsStart + WordAt(block, record.offsetAt);
    record.length = WordAt(block, record.lengthAt);
    record.start = record.lengthAt + 4;
    record.menuEntry = (layout.unitIds[i] >> 24) == 0x26;
    if (!record.menuEntry) WalkControl(block, &record);
    layout.records.push_back(record);
  }
  return layout;
}
