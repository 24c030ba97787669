// Event lookup: from an EventNotice to the handler bound in the template.
#include "runtime/events.h"

#include <utility>

#include "runtime/control_mirror.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

EventObserver g_observer = nullptr;
EventSource g_source = {0, 0};

// Copies made at run time share the handlers of the unit they copy; the
// walk is bounded so that a cycle of origins cannot hang it.
LiveUnit* FollowOrigins(LiveWindow& window, LiveUnit* unit) {
  for (size_t steps = 0; steps < window.units.size() && !unit->isMenuEntry(); ++steps) {
    uint32_t origin = unit->record().originUnit;
    if (origin == 0) break;
    LiveUnit* from = FindUnit(window, origin);
    if (from == nullptr || from->isMenuEntry() || from->record().type != unit->record().type) break;
    unit = from;
  }
  return unit;
}

EventHandler HandlerFor(LiveUnit& unit, int32_t event) {
  if (unit.isMenuEntry()) return unit.menuHandler;
  const std::vector<EventBinding>& bindings = unit.record().events;
  for (size_t i = 0; i < bindings.size(); ++i) {
    if (bindings[i].event == event) return unit.handlers[i];
  }
  return nullptr;
}

}  // namespace

EventObserver SetEventObserver(EventObserver observer) { return std::exchange(g_observer, observer); }
EventSource CurrentEventSource() { return g_source; }

bool DispatchEvent(EventNotice* notice) {
  if (g_observer && g_observer(notice)) return true;
  if (EventSuppressionCount() != 0) return false;
  LiveWindow* window = FindWindowDescription(notice->windowId);
  if (window == nullptr) ReportRuntimeError("未找到引发事件的窗口", 0);
  LiveUnit* unit = FindUnit(*window, notice->unitId);
  if (unit == nullptr) ReportRuntimeError("未找到引发事件的窗口组件", 0);
  unit = FollowOrigins(*window, unit);
  if (unit->type == nullptr || (unit->type->typeFlags & (TypeFlags::kEvents | TypeFlags::kEventsAlt)) == 0) {
    ReportRuntimeError("引发事件的窗口组件无效", 0);
  }
  EventHandler handler = HandlerFor(*unit, notice->event);
  if (handler == nullptr) return false;
  EventSource previous = g_source;
  g_source = {notice->windowId, notice->unitId ? notice->unitId : window->units[0].description.unitId};
  HandlerResult result = {false, 0};
  {
    // What the handler changes in the controls reaches other threads' view
    // of them when it returns, all together.
    MirrorBatch::Scope batch;
    result = handler(notice->arguments, static_cast<int>(notice->argumentCount > 5 ? 5 : notice->argumentCount));
  }
  if (result.hasValue) {
    notice->hasResult = 1;
    notice->result = result.value;
  }
  g_source = previous;
  // The source promises a window part of 0 once a handler returns, a nested one too: only the outer unit comes back.
  g_source.windowId = 0;
  return true;
}

// A unit's event goes out here, beside the dispatch that serves it.
bool UnitObject::RaiseEvent(int event, std::initializer_list<uint32_t> arguments, HandlerResult* result) {
  EventNotice notice = {};
  notice.windowId = windowId_;
  notice.unitId = unitId_;
  notice.event = event;
  for (uint32_t argument : arguments) {
    if (notice.argumentCount == 5) break;
    notice.arguments[notice.argumentCount++] = argument;
  }
  bool dispatched = DispatchEvent(&notice);
  if (result) *result = {notice.hasResult != 0, notice.result};
  return dispatched;
}

}  // namespace klv
