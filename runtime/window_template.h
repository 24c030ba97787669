// The window template block: the byte format of windows, their units (the
// window's own unit, controls, menu entries), event bindings and per-type
// setting blocks, and its in-memory form. Pure logic: no system calls.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace klv {

constexpr uint32_t kMenuEntryType = 0x00010003;
constexpr int32_t kNoHandler = -1;

namespace UnitFlag {
constexpr uint32_t kVisible = 1;
constexpr uint32_t kDisabled = 2;
constexpr uint32_t kTabStop = 4;
constexpr uint32_t kOwnerDrawnMenu = 8;  // read on the window's own unit only
}  // namespace UnitFlag

namespace MenuFlag {
constexpr uint32_t kHidden = 1;
constexpr uint32_t kDisabled = 2;
constexpr uint32_t kChecked = 4;
}  // namespace MenuFlag

// UnitId layout: bits 28-31 the kind, bits 24-27 nonzero, low bits the unit.
namespace UnitIdKind {
constexpr uint32_t kWindowOwnUnit = 0;
constexpr uint32_t kControl = 1;
constexpr uint32_t kMenuEntry = 2;
constexpr uint32_t kWindow = 5;
}  // namespace UnitIdKind
inline uint32_t UnitIdKindOf(uint32_t id) { return id >> 28; }
inline bool IsUnitIdentifier(uint32_t id) { return (id & 0x00FFFFFFu) != 0 && ((id >> 24) & 0xF) != 0; }
inline bool IsMenuEntryId(uint32_t id) { return ((id >> 24) & 0xF) == 6 && (id >> 28) == 2; }

struct EventBinding {
  int32_t event;
  int32_t handlerRef;  // kNoHandler: the event has no handler
};

// The record of the window's own unit or of a control.
struct ControlRecord {
  uint32_t type = 0;
  uint32_t originUnit = 0;
  uint32_t reserved[4] = {0, 0, 0, 0};
  std::string name;
  std::string comment;
  uint32_t objectSlot = 0;
  int32_t left = 0, top = 0, width = 0, height = 0;
  uint32_t cursorSlot = 0;
  uint32_t parent = 0;  // UnitId of the containing unit, 0 for the window
  std::vector<uint32_t> children;
  std::vector<uint8_t> mousePointer;  // 4 bytes holding 0: the default pointer
  std::string tag;
  uint32_t flags = 0;
  std::vector<EventBinding> events;
  std::vector<uint8_t> settings;  // the type's setting block; may be empty
};

// The record of a menu entry.
struct MenuRecord {
  std::string name;
  std::string comment;
  uint32_t shortcut = 0;
  uint32_t level = 0;
  uint32_t menuFlags = 0;
  std::string caption;
  int32_t handlerRef = kNoHandler;
};

struct UnitDescription {
  uint32_t unitId = 0;
  bool isMenuEntry = false;
  ControlRecord control;  // when !isMenuEntry
  MenuRecord menu;        // when isMenuEntry
};

struct WindowDescription {
  uint32_t windowId = 0;
  uint32_t headWords[2] = {0, 0};
  std::string firstText;
  std::string secondText;
  std::vector<UnitDescription> units;  // index 0: the window's own unit
};

// Reads a whole template block; an empty block (length 0) holds no windows.
// Returns false, leaving *windows unspecified, when the block is truncated or
// inconsistent: a window list length that is not a multiple of 8, counts or
// lengths larger than the bytes left, an offset or record length reaching
// outside the unit area, a window without units or whose unit 0 is a menu
// entry, a menu entry of another type or with bytes left over, or bytes left
// after the last window record. Never reads past the block. Every record is
// located through the offsets table; the records need not be contiguous.
bool ReadTemplateBlock(const uint8_t* block, size_t length, std::vector<WindowDescription>* windows);

// Where a window's record lies in a template block.
struct WindowRecordSpan {
  uint32_t windowId = 0;
  size_t offset = 0;  // from the block's first byte
  size_t length = 0;
};
// Finds every window's record without reading its units, so that each can
// be read when it is first needed. False when the window list, a record's
// head or its unit area's length does not fit the block, or bytes are left
// after the last record.
bool IndexTemplateBlock(const uint8_t* block, size_t length, std::vector<WindowRecordSpan>* spans);
// Reads one window's record as the index located it; false, as for the
// whole block, when it is truncated or inconsistent.
bool ReadWindowRecord(const uint8_t* record, size_t length, uint32_t windowId, WindowDescription* window);

// Writes a template block in the exact stored format: reserved words and
// window slots are zero, records follow one another in unit order. No
// windows give the empty block.
std::vector<uint8_t> WriteTemplateBlock(const std::vector<WindowDescription>& windows);

}  // namespace klv
