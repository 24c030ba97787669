#include "image/main_window_builder.h"

#include <utility>

#include "runtime/interface/command_values.h"

namespace klv {
namespace {

// A 4-byte pointer block holding 0: the default mouse pointer.
const std::vector<uint8_t> kDefaultPointer = {0, 0, 0, 0};

ControlRecord MakeControlRecord(uint32_t type, const char* name, uint32_t parent, Box box, uint32_t flags,
                                std::initializer_list<EventBinding> events, Bytes settings) {
  ControlRecord record;
  record.type = type;
  record.name = name;
  record.left = box.left;
  record.top = box.top;
  record.width = box.width;
  record.height = box.height;
  record.parent = parent;
  record.mousePointer = kDefaultPointer;
  record.flags = flags;
  record.events = events;
  record.settings = std::move(settings);
  return record;
}

}  // namespace

WindowBuilder::WindowBuilder(uint32_t windowId, uint32_t headWord0, uint32_t headWord1) {
  window_.windowId = windowId;
  window_.headWords[0] = headWord0;
  window_.headWords[1] = headWord1;
}

void WindowBuilder::Window(uint32_t unitId, Box box, uint32_t flags, std::initializer_list<EventBinding> events,
                           Bytes settings) {
  UnitDescription unit;
  unit.unitId = unitId;
  unit.control = MakeControlRecord(TypeCode::kWindow, "", 0, box, flags, events, std::move(settings));
  window_.units.push_back(std::move(unit));
}

void WindowBuilder::Control(uint32_t unitId, const char* name, uint32_t type, uint32_t parent, Box box,
                            uint32_t flags, std::initializer_list<EventBinding> events, Bytes settings) {
  UnitDescription unit;
  unit.unitId = unitId;
  unit.control = MakeControlRecord(type, name, parent, box, flags, events, std::move(settings));
  window_.units.push_back(std::move(unit));
}

void WindowBuilder::Menu(uint32_t unitId, uint32_t level, const char* caption, uint32_t menuFlags,
                         int32_t handlerRef) {
  UnitDescription unit;
  unit.unitId = unitId;
  unit.isMenuEntry = true;
  unit.menu.level = level;
  unit.menu.menuFlags = menuFlags;
  unit.menu.caption = caption;
  unit.menu.handlerRef = handlerRef;
  window_.units.push_back(std::move(unit));
}

WindowDescription WindowBuilder::Finish() {
  for (const UnitDescription& unit : window_.units) {
    if (unit.isMenuEntry || unit.control.parent == 0) continue;
    for (UnitDescription& container : window_.units) {
      if (!container.isMenuEntry && container.unitId == unit.control.parent) {
        container.control.children.push_back(unit.unitId);
      }
    }
  }
  return window_;
}

Bytes LabelBlock(const std::string& text, Alignment horizontal, Alignment vertical, uint32_t textColour,
                 bool wordWrap) {
  LabelSettings settings;
  settings.text = text;
  settings.horizontalAlignment = horizontal;
  settings.verticalAlignment = vertical;
  settings.textColour = textColour;
  settings.wordWrap = wordWrap ? 1 : 0;
  return WriteSettings(settings);
}

Bytes EditBlock(const std::string& content, Alignment alignment, bool multiLine) {
  EditBoxSettings settings;
  settings.content = content;
  settings.alignment = alignment;
  settings.multiLine = multiLine ? 1 : 0;
  return WriteSettings(settings);
}

Bytes FixedWindowBlock(const std::string& caption, bool minimizeBox) {
  WindowSettings settings;
  settings.borderStyle = 2;
  settings.minimizeBox = minimizeBox ? 1 : 0;
  settings.maximizeBox = 0;
  settings.controlBox = 1;
  settings.startPosition = 1;
  settings.caption = caption;
  return WriteSettings(settings);
}

Bytes GroupBlock(const std::string& caption) {
  GroupBoxSettings settings;
  settings.caption = caption;
  return WriteSettings(settings);
}

Bytes ButtonBlock(const std::string& caption) {
  ButtonSettings settings;
  settings.buttonType = 0;
  settings.horizontalAlignment = 1;
  settings.verticalAlignment = 1;
  settings.caption = caption;
  return WriteSettings(settings);
}

Bytes DropDownListBlock(std::vector<std::string> items, int32_t selectedItem) {
  ComboBoxSettings settings;
  settings.style = 2;
  settings.extraItemHeight = 1;
  settings.textColour = 0;
  settings.backgroundColour = 0xFFFFFF;
  settings.items = std::move(items);
  settings.selectedItem = selectedItem;
  return WriteSettings(settings);
}

}  // namespace klv
