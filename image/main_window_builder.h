// Small helpers that let a window description read like a table: one call
// per unit, and one call per setting block for the usual cases.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "image/handler_ids.h"
#include "runtime/window_template.h"

namespace klv {

struct Box {
  int32_t left, top, width, height;
};

// An event bound to a handler of the program.
inline EventBinding On(int32_t event, HandlerId handler) { return {event, HandlerRef(handler)}; }

class WindowBuilder {
 public:
  WindowBuilder(uint32_t windowId, uint32_t headWord0, uint32_t headWord1);

  // Unit 0: the window's own unit.
  void Window(uint32_t unitId, Box box, uint32_t flags, std::initializer_list<EventBinding> events,
              Bytes settings);
  // parent: the UnitId of the containing group box, 0 for the window.
  void Control(uint32_t unitId, const char* name, uint32_t type, uint32_t parent, Box box, uint32_t flags,
               std::initializer_list<EventBinding> events, Bytes settings);
  void Menu(uint32_t unitId, uint32_t level, const char* caption, uint32_t menuFlags, int32_t handlerRef);

  // The description, with every container's child list filled in from the
  // parents of its units, in template order.
  WindowDescription Finish();

 private:
  WindowDescription window_;
};

// Setting blocks of the forms this program uses.
enum Alignment : uint32_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

// A window with a fixed frame, a close box and no maximise box, centred on
// the screen at its first showing.
Bytes FixedWindowBlock(const std::string& caption, bool minimizeBox);
Bytes LabelBlock(const std::string& text, Alignment horizontal, Alignment vertical, uint32_t textColour,
                 bool wordWrap = false);
Bytes EditBlock(const std::string& content, Alignment alignment, bool multiLine = false);
Bytes GroupBlock(const std::string& caption);
Bytes ButtonBlock(const std::string& caption);
// A drop-down list (style 2) on white with items one pixel taller.
Bytes DropDownListBlock(std::vector<std::string> items, int32_t selectedItem);

}  // namespace klv
