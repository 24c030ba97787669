#include "tests/support/image_symbols.h"

#include <cstring>

#include "runtime/byte_reader.h"

namespace klvtest {
namespace {

constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr size_t kNewHeaderOffsetAt = 0x3C;
constexpr size_t kSymbolSize = 18;
constexpr size_t kSectionHeaderSize = 40;

struct CoffHeader {
  uint16_t sectionCount = 0;
  uint32_t symbolTable = 0;
  uint32_t symbolCount = 0;
  uint16_t optionalHeaderSize = 0;
};

// A reader from offset to the end of the image (failed when out of range).
klv::ByteReader ReaderAt(const std::vector<uint8_t>& image, size_t offset) {
  klv::ByteReader reader(image.data(), image.size());
  reader.Skip(offset);
  return klv::ByteReader(reader.ok() ? reader.current() : nullptr, reader.remaining());
}

bool ReadCoffHeader(klv::ByteReader& reader, CoffHeader* header) {
  uint32_t signature = 0, timeStamp = 0;
  uint16_t machine = 0, characteristics = 0;
  reader.ReadU32(&signature);
  reader.ReadU16(&machine);
  reader.ReadU16(&header->sectionCount);
  reader.ReadU32(&timeStamp);
  reader.ReadU32(&header->symbolTable);
  reader.ReadU32(&header->symbolCount);
  reader.ReadU16(&header->optionalHeaderSize);
  reader.ReadU16(&characteristics);
  return reader.ok() && signature == kPeSignature;
}

std::vector<uint32_t> ReadSectionAddresses(klv::ByteReader& reader, uint16_t count) {
  std::vector<uint32_t> addresses;
  for (uint16_t i = 0; i < count; ++i) {
    klv::ByteReader section(nullptr, 0);
    uint32_t virtualSize = 0, virtualAddress = 0;
    if (!reader.Sub(kSectionHeaderSize, &section)) return {};
    section.Skip(8);  // the name
    section.ReadU32(&virtualSize);
    section.ReadU32(&virtualAddress);
    addresses.push_back(virtualAddress);
  }
  return addresses;
}

// A symbol's name: eight bytes in place, or (first word zero) an offset into
// the string table that follows the symbols.
std::string SymbolName(klv::ByteReader& record, const std::vector<uint8_t>& image, size_t stringTable) {
  const uint8_t* inPlace = nullptr;
  if (!record.Skip(8, &inPlace)) return std::string();
  uint32_t zero = 0, offset = 0;
  std::memcpy(&zero, inPlace, 4);
  if (zero != 0) return std::string(reinterpret_cast<const char*>(inPlace), strnlen(reinterpret_cast<const char*>(inPlace), 8));
  std::memcpy(&offset, inPlace + 4, 4);
  klv::ByteReader text = ReaderAt(image, stringTable + offset);
  std::string name;
  return text.ReadString(&name) ? name : std::string();
}

}  // namespace

uint32_t SymbolRelativeAddress(const std::vector<uint8_t>& image, const std::string& name) {
  klv::ByteReader dos = ReaderAt(image, kNewHeaderOffsetAt);
  uint32_t newHeader = 0;
  if (!dos.ReadU32(&newHeader)) return 0;
  klv::ByteReader reader = ReaderAt(image, newHeader);
  CoffHeader header;
  if (!ReadCoffHeader(reader, &header) || !reader.Skip(header.optionalHeaderSize)) return 0;
  std::vector<uint32_t> sections = ReadSectionAddresses(reader, header.sectionCount);
  klv::ByteReader symbols = ReaderAt(image, header.symbolTable);
  const size_t stringTable = header.symbolTable + size_t{header.symbolCount} * kSymbolSize;
  for (uint32_t i = 0; i < header.symbolCount && symbols.ok(); ++i) {
    klv::ByteReader record(nullptr, 0);
    if (!symbols.Sub(kSymbolSize, &record)) return 0;
    std::string symbol = SymbolName(record, image, stringTable);
    uint32_t value = 0;
    uint16_t section = 0, type = 0;
    uint8_t storageClass = 0, auxiliaryCount = 0;
    record.ReadU32(&value);
    record.ReadU16(&section);
    record.ReadU16(&type);
    record.ReadU8(&storageClass);
    record.ReadU8(&auxiliaryCount);
    if (symbol == name && section >= 1 && section <= sections.size()) return sections[section - 1] + value;
    symbols.Skip(size_t{auxiliaryCount} * kSymbolSize);
    i += auxiliaryCount;
  }
  return 0;
}

}  // namespace klvtest
