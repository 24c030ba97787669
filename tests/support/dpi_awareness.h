// Threads' DPI awareness in tests at a display scale. The functions come
// from user32 by name (Windows 10 1607 and later, and Wine): the build
// targets Windows 7, whose headers do not declare them.
#pragma once
#include <windows.h>

namespace klvtest {

// The contexts a test sets a thread to, as the system numbers them;
// kProcessDefault leaves the thread as the process starts it.
enum class Awareness : intptr_t { kProcessDefault = 0, kUnaware = -1, kSystemAware = -2, kPerMonitorAware = -3 };
const char* NameOf(Awareness awareness);

// Sets the calling thread's context; the one it had, or null when the
// system refused it or lacks the function.
DPI_AWARENESS_CONTEXT SetThreadAwareness(DPI_AWARENESS_CONTEXT context);
DPI_AWARENESS_CONTEXT ContextOf(Awareness awareness);
// The calling thread's context as the system answers it.
DPI_AWARENESS_CONTEXT ThreadContextNow();
// The awareness (DPI_AWARENESS: 0 unaware, 1 system, 2 per monitor; -1
// when unknown) of a context, of the calling thread and of a window.
int AwarenessOf(DPI_AWARENESS_CONTEXT context);
int ThreadAwarenessNow();
int WindowAwareness(HWND window);
// The real cursor's place on the screen in physical pixels, whatever the
// calling thread's awareness.
POINT PhysicalCursor();

// The calling thread in that awareness for as long as the object lives,
// then back in the one it had (when the system took the change).
class ThreadAwareness {
 public:
  explicit ThreadAwareness(Awareness awareness);
  ~ThreadAwareness();
  ThreadAwareness(const ThreadAwareness&) = delete;
  ThreadAwareness& operator=(const ThreadAwareness&) = delete;
  bool took() const { return before_ != nullptr; }

 private:
  DPI_AWARENESS_CONTEXT before_ = nullptr;
};

}  // namespace klvtest
