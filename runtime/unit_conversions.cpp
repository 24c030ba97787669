#include "runtime/unit_conversions.h"

#include <cstring>

#include "runtime/array_value.h"
#include "runtime/heap.h"
#include "runtime/text_value.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

uint64_t Pointer(const void* p) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)); }
template <typename T>
T* FromValue(uint64_t value) {
  return reinterpret_cast<T*>(static_cast<uintptr_t>(static_cast<uint32_t>(value)));
}

enum class Shape { kWord, kPair, kLogical, kBytes, kFont, kText };

Shape ShapeOf(uint32_t kind) {
  switch (kind & 0xFFFF) {
    case PropertyKind::kInteger:
    case PropertyKind::kColour:
    case PropertyKind::kNonNegative:
    case PropertyKind::kChoice:
    case PropertyKind::kOtherChoice:
    case PropertyKind::kOtherInteger:
      return Shape::kWord;
    case PropertyKind::kPair:
    case PropertyKind::kOtherPair:
      return Shape::kPair;
    case PropertyKind::kLogical:
      return Shape::kLogical;
    case PropertyKind::kBytes:
    case PropertyKind::kPicture:
    case PropertyKind::kPointer:
    case PropertyKind::kIcon:
    case PropertyKind::kBlob:
    case PropertyKind::kOtherBlob:
      return Shape::kBytes;
    case PropertyKind::kFont:
      return Shape::kFont;
    default: return Shape::kText;
  }
}

bool ValidFace(const char* face) {
  size_t n = TextLength(face);
  return n >= 1 && n <= 31;
}

uint64_t FontField(const FontValue& font, int element) {
  switch (element) {
    case 0: return static_cast<uint32_t>(font.angle);
    case 1: return font.bold;
    case 2: return font.italic;
    case 3: return font.strikeOut;
    case 4: return font.underline;
    case 5: return static_cast<uint32_t>(font.size);
    default: return Pointer(CopyText(font.face.c_str()));
  }
}

void SetFontField(FontValue* font, int element, uint64_t value) {
  uint32_t word = static_cast<uint32_t>(value);
  switch (element) {
    case 0: font->angle = static_cast<int32_t>(word) % 3600; break;
    case 1: font->bold = word ? 1 : 0; break;
    case 2: font->italic = word ? 1 : 0; break;
    case 3: font->strikeOut = word ? 1 : 0; break;
    case 4: font->underline = word ? 1 : 0; break;
    case 5: font->size = static_cast<int32_t>(word); break;
    default: {
      const char* face = FromValue<const char>(value);
      font->face = ValidFace(face) ? face : "";
      break;
    }
  }
}

}  // namespace

uint64_t PropertyValueToProgram(uint32_t kind, int element, const PropertyValue& value) {
  switch (ShapeOf(kind)) {
    case Shape::kWord: return value.low;
    case Shape::kPair: return (uint64_t{value.high} << 32) | value.low;
    case Shape::kLogical: return value.low == 1 ? 1 : 0;
    case Shape::kBytes: return Pointer(NewByteSet(value.bytes.data(), static_cast<uint32_t>(value.bytes.size())));
    case Shape::kFont: {
      if (element >= 0 && element <= 6) return FontField(value.font, element);
      FontRecord* record = static_cast<FontRecord*>(AllocateMemory(sizeof(FontRecord)));
      *record = {value.font.angle, value.font.bold, value.font.italic, value.font.strikeOut,
                 value.font.underline, value.font.size, CopyText(value.font.face.c_str())};
      return Pointer(record);
    }
    default: return Pointer(CopyText(value.text.c_str()));
  }
}

void ProgramValueToProperty(uint32_t kind, int element, uint64_t value, PropertyValue* out) {
  switch (ShapeOf(kind)) {
    case Shape::kWord: {
      int32_t word = static_cast<int32_t>(value);
      out->low = ((kind & 0xFFFF) == PropertyKind::kNonNegative && word < 0) ? 0 : static_cast<uint32_t>(word);
      break;
    }
    case Shape::kPair:
      out->low = static_cast<uint32_t>(value);
      out->high = static_cast<uint32_t>(value >> 32);
      break;
    case Shape::kLogical: out->low = static_cast<uint32_t>(value) != 0 ? 1 : 0; break;
    case Shape::kBytes: {
      const void* set = FromValue<const void>(value);
      const uint8_t* bytes = ByteSetBytes(set);
      out->bytes.assign(bytes, bytes + ByteSetLength(set));
      break;
    }
    case Shape::kFont: {
      if (element >= 0 && element <= 6) {
        SetFontField(&out->font, element, value);
        break;
      }
      const FontRecord* record = FromValue<const FontRecord>(value);
      out->font = FontValue();
      if (record == nullptr) break;
      out->font.angle = record->angle % 3600;
      out->font.bold = record->bold ? 1 : 0;
      out->font.italic = record->italic ? 1 : 0;
      out->font.strikeOut = record->strikeOut ? 1 : 0;
      out->font.underline = record->underline ? 1 : 0;
      out->font.size = record->size;
      out->font.face = ValidFace(record->face) ? record->face : "";
      break;
    }
    default: {
      const char* text = FromValue<const char>(value);
      out->text = text ? text : "";
      break;
    }
  }
}

void ApplyUnitCursor(LiveUnit& unit) {
  if (unit.cursor) DestroyCursor(unit.cursor);
  unit.cursor = nullptr;
  const std::vector<uint8_t>& block = unit.description.control.mousePointer;
  if (block.size() < 4) return;
  uint32_t shape;
  std::memcpy(&shape, block.data(), 4);
  static const LPCSTR kShapes[] = {nullptr,  IDC_ARROW, IDC_CROSS,  IDC_IBEAM,    IDC_ICON,   IDC_SIZE,
                                   IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW,
                                   IDC_WAIT, IDC_NO, IDC_HAND};
  if (shape == 0 || shape >= sizeof kShapes / sizeof kShapes[0]) return;
  // Shared system cursors are never destroyed; copy so that the slot owns one.
  HCURSOR system = LoadCursorA(nullptr, kShapes[shape]);
  unit.cursor = system ? CopyCursor(system) : nullptr;
  if (unit.object && unit.object->hwnd()) {
    POINT at;
    GetCursorPos(&at);
    SetCursorPos(at.x, at.y);  // lets the new shape show at once
  }
}

}  // namespace klv
