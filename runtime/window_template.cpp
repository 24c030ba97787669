// Reading and writing the window template block. The reader trusts nothing:
// every count is checked against the bytes that are left before anything is
// allocated for it, every record is parsed through a reader that ends where
// the record ends, and each unit record is found through the offsets table.
#include "runtime/window_template.h"

#include "runtime/byte_reader.h"

namespace klv {
namespace {

constexpr size_t kWordSize = 4;
constexpr size_t kReservedAfterEvents = 5;
constexpr size_t kMenuReservedHead = 5;
constexpr size_t kMenuReservedTail = 4;

// True when `count` items of `itemSize` bytes can still follow in `reader`.
bool CountFits(const ByteReader& reader, uint32_t count, size_t itemSize) {
  return reader.ok() && count <= reader.remaining() / itemSize;
}

bool ReadWordList(ByteReader* reader, std::vector<uint32_t>* words) {
  uint32_t count;
  if (!reader->ReadU32(&count) || !CountFits(*reader, count, kWordSize)) return reader->Fail();
  words->resize(count);
  for (uint32_t& word : *words) reader->ReadU32(&word);
  return reader->ok();
}

bool SkipWords(ByteReader* reader, size_t count) { return reader->Skip(count * kWordSize); }

bool ReadEventBindings(ByteReader* reader, std::vector<EventBinding>* events) {
  uint32_t count;
  if (!reader->ReadU32(&count) || !CountFits(*reader, count, 2 * kWordSize)) return reader->Fail();
  events->resize(count);
  for (EventBinding& binding : *events) {
    reader->ReadI32(&binding.event);
    reader->ReadI32(&binding.handlerRef);
  }
  return reader->ok();
}

// The window's own unit or a control; the setting block is the rest.
bool ReadControlRecord(ByteReader* reader, ControlRecord* record) {
  reader->ReadU32(&record->type);
  reader->ReadU32(&record->originUnit);
  for (uint32_t& word : record->reserved) reader->ReadU32(&word);
  reader->ReadString(&record->name);
  reader->ReadString(&record->comment);
  reader->ReadU32(&record->objectSlot);
  reader->ReadI32(&record->left);
  reader->ReadI32(&record->top);
  reader->ReadI32(&record->width);
  reader->ReadI32(&record->height);
  reader->ReadU32(&record->cursorSlot);
  reader->ReadU32(&record->parent);
  if (!ReadWordList(reader, &record->children)) return false;
  reader->ReadCountedBytes(&record->mousePointer);
  reader->ReadString(&record->tag);
  SkipWords(reader, 1);
  reader->ReadU32(&record->flags);
  SkipWords(reader, 1);
  if (!ReadEventBindings(reader, &record->events)) return false;
  SkipWords(reader, kReservedAfterEvents);
  if (!reader->ok()) return false;
  record->settings.assign(reader->current(), reader->current() + reader->remaining());
  return true;
}

// A menu entry's record has a fixed layout and nothing after it.
bool ReadMenuRecord(ByteReader* reader, MenuRecord* record) {
  uint32_t type = 0;
  reader->ReadU32(&type);
  SkipWords(reader, kMenuReservedHead);
  reader->ReadString(&record->name);
  reader->ReadString(&record->comment);
  reader->ReadU32(&record->shortcut);
  reader->ReadU32(&record->level);
  reader->ReadU32(&record->menuFlags);
  reader->ReadString(&record->caption);
  reader->ReadI32(&record->handlerRef);
  SkipWords(reader, kMenuReservedTail);
  return reader->ok() && type == kMenuEntryType && reader->atEnd();
}

// `records` covers the unit area after the offsets table; the record of a
// unit starts `offset` bytes into it with its own 32-bit length.
bool ReadUnitRecord(const ByteReader& records, uint32_t offset, UnitDescription* unit) {
  ByteReader at(records.current(), records.remaining());
  uint32_t length;
  ByteReader record(nullptr, 0);
  if (!at.Skip(offset) || !at.ReadU32(&length) || !at.Sub(length, &record)) return false;
  unit->isMenuEntry = IsMenuEntryId(unit->unitId);
  return unit->isMenuEntry ? ReadMenuRecord(&record, &unit->menu) : ReadControlRecord(&record, &unit->control);
}

bool ReadUnitArea(ByteReader* area, WindowDescription* window, uint32_t unitCount) {
  if (unitCount == 0 || !CountFits(*area, unitCount, 2 * kWordSize)) return false;
  window->units.resize(unitCount);
  for (UnitDescription& unit : window->units) area->ReadU32(&unit.unitId);
  std::vector<uint32_t> offsets(unitCount);
  for (uint32_t& offset : offsets) area->ReadU32(&offset);
  for (size_t i = 0; i < unitCount; ++i) {
    if (!ReadUnitRecord(*area, offsets[i], &window->units[i])) return false;
  }
  // Unit 0 is the window itself, which is never a menu entry.
  return !window->units[0].isMenuEntry;
}

// The record's head; *area then covers its unit area.
bool ReadWindowHead(ByteReader* reader, WindowDescription* window, uint32_t* unitCount, ByteReader* area) {
  reader->ReadU32(&window->headWords[0]);
  reader->ReadU32(&window->headWords[1]);
  reader->ReadCountedText(&window->firstText);
  reader->ReadCountedText(&window->secondText);
  uint32_t areaLength = 0;
  reader->ReadU32(unitCount);
  reader->ReadU32(&areaLength);
  return reader->Sub(areaLength, area);
}

void WriteControlRecord(const ControlRecord& record, ByteWriter* out) {
  out->U32(record.type);
  out->U32(record.originUnit);
  for (uint32_t word : record.reserved) out->U32(word);
  out->String(record.name);
  out->String(record.comment);
  out->U32(record.objectSlot);
  out->I32(record.left);
  out->I32(record.top);
  out->I32(record.width);
  out->I32(record.height);
  out->U32(record.cursorSlot);
  out->U32(record.parent);
  out->U32(static_cast<uint32_t>(record.children.size()));
  for (uint32_t child : record.children) out->U32(child);
  out->CountedBytes(record.mousePointer);
  out->String(record.tag);
  out->U32(0);
  out->U32(record.flags);
  out->U32(0);
  out->U32(static_cast<uint32_t>(record.events.size()));
  for (const EventBinding& binding : record.events) {
    out->I32(binding.event);
    out->I32(binding.handlerRef);
  }
  for (size_t i = 0; i < kReservedAfterEvents; ++i) out->U32(0);
  out->Bytes(record.settings.data(), record.settings.size());
}

void WriteMenuRecord(const MenuRecord& record, ByteWriter* out) {
  out->U32(kMenuEntryType);
  for (size_t i = 0; i < kMenuReservedHead; ++i) out->U32(0);
  out->String(record.name);
  out->String(record.comment);
  out->U32(record.shortcut);
  out->U32(record.level);
  out->U32(record.menuFlags);
  out->String(record.caption);
  out->I32(record.handlerRef);
  for (size_t i = 0; i < kMenuReservedTail; ++i) out->U32(0);
}

// Unit ids, offsets table and the records, each behind its length.
std::vector<uint8_t> WriteUnitArea(const std::vector<UnitDescription>& units) {
  ByteWriter records;
  std::vector<uint32_t> offsets;
  for (const UnitDescription& unit : units) {
    offsets.push_back(static_cast<uint32_t>(records.size()));
    size_t lengthAt = records.size();
    records.U32(0);
    if (unit.isMenuEntry) {
      WriteMenuRecord(unit.menu, &records);
    } else {
      WriteControlRecord(unit.control, &records);
    }
    records.PatchU32(lengthAt, static_cast<uint32_t>(records.size() - lengthAt - kWordSize));
  }
  ByteWriter area;
  for (const UnitDescription& unit : units) area.U32(unit.unitId);
  for (uint32_t offset : offsets) area.U32(offset);
  area.Bytes(records.bytes().data(), records.size());
  return area.bytes();
}

void WriteWindowRecord(const WindowDescription& window, ByteWriter* out) {
  out->U32(window.headWords[0]);
  out->U32(window.headWords[1]);
  out->CountedText(window.firstText);
  out->CountedText(window.secondText);
  out->U32(static_cast<uint32_t>(window.units.size()));
  out->CountedBytes(WriteUnitArea(window.units));
}

}  // namespace

bool IndexTemplateBlock(const uint8_t* block, size_t length, std::vector<WindowRecordSpan>* spans) {
  spans->clear();
  if (length == 0) return true;  // a program without windows
  ByteReader reader(block, length);
  uint32_t listLength;
  if (!reader.ReadU32(&listLength) || listLength % 8 != 0 || listLength > reader.remaining()) return false;
  spans->resize(listLength / 8);
  for (WindowRecordSpan& span : *spans) reader.ReadU32(&span.windowId);
  SkipWords(&reader, spans->size());  // the reserved slots
  for (WindowRecordSpan& span : *spans) {
    span.offset = static_cast<size_t>(reader.current() - block);
    WindowDescription head;
    uint32_t unitCount = 0;
    ByteReader area(nullptr, 0);
    if (!ReadWindowHead(&reader, &head, &unitCount, &area)) return false;
    span.length = static_cast<size_t>(reader.current() - block) - span.offset;
  }
  return reader.ok() && reader.atEnd();
}

bool ReadWindowRecord(const uint8_t* record, size_t length, uint32_t windowId, WindowDescription* window) {
  ByteReader reader(record, length);
  window->windowId = windowId;
  uint32_t unitCount = 0;
  ByteReader area(nullptr, 0);
  return ReadWindowHead(&reader, window, &unitCount, &area) && ReadUnitArea(&area, window, unitCount) &&
         reader.atEnd();
}

bool ReadTemplateBlock(const uint8_t* block, size_t length, std::vector<WindowDescription>* windows) {
  std::vector<WindowRecordSpan> spans;
  windows->clear();
  if (!IndexTemplateBlock(block, length, &spans)) return false;
  windows->resize(spans.size());
  for (size_t i = 0; i < spans.size(); ++i) {
    if (!ReadWindowRecord(block + spans[i].offset, spans[i].length, spans[i].windowId, &(*windows)[i])) return false;
  }
  return true;
}

std::vector<uint8_t> WriteTemplateBlock(const std::vector<WindowDescription>& windows) {
  ByteWriter out;
  if (windows.empty()) return out.bytes();
  out.U32(static_cast<uint32_t>(windows.size() * 8));
  for (const WindowDescription& window : windows) out.U32(window.windowId);
  for (size_t i = 0; i < windows.size(); ++i) out.U32(0);
  for (const WindowDescription& window : windows) WriteWindowRecord(window, &out);
  return out.bytes();
}

}  // namespace klv
