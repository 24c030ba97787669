// Where the fields of a one-window template block lie, found by walking the
// bytes directly (not through the reader under test), so that tests can
// point at a record, or change one count or offset, by position.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RecordLayout {
  size_t offsetAt = 0;   // its entry in the offsets table
  size_t lengthAt = 0;   // its 32-bit length
  size_t start = 0;      // its first byte, after the length
  uint32_t length = 0;
  bool menuEntry = false;
  // Controls and the window's own unit only:
  size_t childCountAt = 0, pointerLengthAt = 0, eventCountAt = 0, settingsAt = 0;
};

struct BlockLayout {
  size_t unitCountAt = 0, areaLengthAt = 0, areaStart = 0, recordsStart = 0;
  uint32_t unitCount = 0, areaLength = 0;
  std::vector<uint32_t> unitIds;
  std::vector<RecordLayout> records;
};

uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t at);
void PutWord(std::vector<uint8_t>* bytes, size_t at, uint32_t value);
void AppendWord(std::vector<uint8_t>* bytes, uint32_t value);

BlockLayout LayoutOf(const std::vector<uint8_t>& block);
