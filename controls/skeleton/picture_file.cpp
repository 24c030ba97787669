#include "controls/skeleton/picture_file.h"

#include "runtime/byte_reader.h"

namespace klv {
namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr uint32_t kInfoHeaderSize = 40;

struct DirectoryEntry {
  uint8_t width = 0, height = 0;
  uint16_t bitCount = 0;
  uint32_t size = 0, offset = 0;
};

bool ReadDirectoryHeader(ByteReader& reader, uint16_t* count) {
  uint16_t reserved = 1, type = 0;
  reader.ReadU16(&reserved);
  reader.ReadU16(&type);
  reader.ReadU16(count);
  return reader.ok() && reserved == 0 && (type == 1 || type == 2) && *count != 0;
}

bool ReadEntry(ByteReader& reader, DirectoryEntry* entry) {
  uint8_t colours = 0, reserved = 0;
  uint16_t planes = 0;
  reader.ReadU8(&entry->width);
  reader.ReadU8(&entry->height);
  reader.ReadU8(&colours);
  reader.ReadU8(&reserved);
  reader.ReadU16(&planes);
  reader.ReadU16(&entry->bitCount);
  reader.ReadU32(&entry->size);
  reader.ReadU32(&entry->offset);
  return reader.ok();
}

bool FindEntryOfWidth(const std::vector<uint8_t>& file, uint16_t count, int width, DirectoryEntry* out) {
  ByteReader reader(file.data(), file.size());
  if (!reader.Skip(kDirectoryHeader)) return false;
  for (uint16_t i = 0; i < count; ++i) {
    DirectoryEntry entry;
    if (!ReadEntry(reader, &entry)) return false;
    if (entry.width == width) {
      *out = entry;
      return true;
    }
  }
  return false;
}

// The image's own header gives its width, its stored height (image and mask
// together) and its bit count; an image without one (a compressed image)
// keeps the directory's values.
void ReadImageHeader(const std::vector<uint8_t>& file, const DirectoryEntry& entry, IconImageSpan* span) {
  span->width = entry.width;
  span->height = entry.height;
  span->bitCount = entry.bitCount;
  ByteReader reader(file.data() + span->offset, span->size);
  uint32_t headerSize = 0;
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bitCount = 0;
  reader.ReadU32(&headerSize);
  reader.ReadI32(&width);
  reader.ReadI32(&height);
  reader.ReadU16(&planes);
  reader.ReadU16(&bitCount);
  if (!reader.ok() || headerSize < kInfoHeaderSize) return;
  span->width = width;
  span->height = height / 2;
  span->bitCount = bitCount;
}

// The bytes the system reads for an uncompressed bitmap: the colour table
// (or the three masks of BI_BITFIELDS) after the info header, and the rows of
// pixels, each padded to 32 bits.
bool BitmapFits(const std::vector<uint8_t>& file, size_t infoOffset, uint32_t infoSize, size_t bitsOffset) {
  ByteReader reader(file.data() + infoOffset + 4, infoSize - 4);
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bitCount = 0;
  uint32_t compression = 0, sizeImage = 0, xPels = 0, yPels = 0, coloursUsed = 0;
  reader.ReadI32(&width);
  reader.ReadI32(&height);
  reader.ReadU16(&planes);
  reader.ReadU16(&bitCount);
  reader.ReadU32(&compression);
  reader.ReadU32(&sizeImage);
  reader.ReadU32(&xPels);
  reader.ReadU32(&yPels);
  reader.ReadU32(&coloursUsed);
  if (!reader.ok() || width <= 0 || width > 0x8000 || height == 0 || height < -0x8000 || height > 0x8000) return false;
  if (compression != 0 && compression != 3) return false;  // BI_RGB, BI_BITFIELDS
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
    return false;
  }
  uint64_t tableEntries = bitCount <= 8 ? (coloursUsed ? coloursUsed : (1u << bitCount)) : 0;
  uint64_t tableBytes = compression == 3 && infoSize == kInfoHeaderSize ? 12 : tableEntries * 4;
  uint64_t stride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
  uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
  return infoOffset + infoSize + tableBytes <= bitsOffset && bitsOffset + stride * rows <= file.size();
}

}  // namespace

bool LooksLikeIconFile(const std::vector<uint8_t>& file) {
  ByteReader reader(file.data(), file.size());
  uint16_t count = 0;
  return ReadDirectoryHeader(reader, &count);
}

bool FindIconImage(const std::vector<uint8_t>& file, IconImageSpan* out) {
  ByteReader reader(file.data(), file.size());
  uint16_t count = 0;
  if (!ReadDirectoryHeader(reader, &count)) return false;
  DirectoryEntry entry;
  if (!FindEntryOfWidth(file, count, 16, &entry) && !FindEntryOfWidth(file, count, 32, &entry)) return false;
  if (entry.size == 0 || entry.offset > file.size() || entry.size > file.size() - entry.offset) return false;
  IconImageSpan span;
  span.offset = entry.offset;
  span.size = entry.size;
  ReadImageHeader(file, entry, &span);
  *out = span;
  return true;
}

bool FindBitmap(const std::vector<uint8_t>& file, BitmapSpan* out) {
  ByteReader reader(file.data(), file.size());
  uint8_t b = 0, m = 0;
  uint32_t fileSize = 0, reserved = 0, bitsOffset = 0, infoSize = 0;
  reader.ReadU8(&b);
  reader.ReadU8(&m);
  reader.ReadU32(&fileSize);
  reader.ReadU32(&reserved);
  reader.ReadU32(&bitsOffset);
  size_t infoOffset = reader.position();
  reader.ReadU32(&infoSize);
  if (!reader.ok() || b != 'B' || m != 'M' || infoSize < kInfoHeaderSize) return false;
  if (infoSize > file.size() - infoOffset || !BitmapFits(file, infoOffset, infoSize, bitsOffset)) return false;
  out->infoOffset = infoOffset;
  out->bitsOffset = bitsOffset;
  return true;
}

}  // namespace klv
