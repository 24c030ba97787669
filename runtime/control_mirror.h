// What other threads read of a control: the thread that owns its window
// keeps a copy of its content up to date (each control type's mirror, in
// controls/), and any other thread reads the copy under a lock instead of
// waiting for the owner. Every read gives the state of one moment. Pure code
// (no system headers): built natively under ThreadSanitizer too.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <cstddef>
#include <utility>
#include <vector>

namespace klv {

// An operator action changes a control in several steps (adding a plan row
// inserts the row, then fills its cells one by one). While the owner thread
// runs an event handler a batch is open: the changes go to a draft and are
// published together when the outermost batch closes, so another thread
// never sees half an action. Outside a batch each change is published before
// the call that made it returns.
class MirrorBatch {
 public:
  // On the owner thread, around an event handler; batches nest.
  static void Open();
  static void Close();
  static bool IsOpen();

  // Open for the life of the object.
  class Scope {
   public:
    Scope() { Open(); }
    ~Scope() { Close(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
  };

  // Around a nested message loop (a message box, a pop-up menu, pumping
  // while a thread ends): what the open batch has drafted is published at
  // once, changes made while the loop runs (by the handlers it dispatches)
  // are published as they are made, and a new batch opens when the loop
  // returns. A handler's batch never holds the operator's changes back for
  // as long as a box stays up.
  class Interlude {
   public:
    Interlude();
    ~Interlude();
    Interlude(const Interlude&) = delete;
    Interlude& operator=(const Interlude&) = delete;

   private:
    int depth_;
  };

  // A mirror with a draft of its own to publish when the batch closes.
  class Member {
   public:
    virtual void Publish() = 0;

   protected:
    ~Member();
    void Join();  // once per batch, at the first drafted change
  };
};

// Whether index names one of size elements.
inline bool HoldsIndex(size_t size, int32_t index) { return index >= 0 && static_cast<size_t>(index) < size; }

// The thread that owns a mirror's control: the one that made its window.
class MirrorOwner {
 public:
  // The calling thread becomes the owner (it made the control's window).
  void Claim();
  // Whether the calling thread is the owner.
  bool Calls() const;

 private:
  std::atomic<const void*> owner_{nullptr};  // a mark of the owner thread; none at first
};

// A state guarded by a lock: written by one thread, read by any.
template <class State>
class GuardedState : public MirrorBatch::Member {
 public:
  void ClaimOwner() { owner_.Claim(); }
  bool OwnerCalls() const { return owner_.Calls(); }
  // Writer (the owner thread): applies change to the draft while a batch is
  // open, else to the published state under the lock.
  template <class Change>
  void Write(Change change) {
    if (MirrorBatch::IsOpen()) {
      if (!drafting_) {
        draft_ = state_;  // only this thread writes the state: no lock to read it
        drafting_ = true;
        Join();
      }
      change(draft_);
      return;
    }
    std::lock_guard<std::mutex> guard(lock_);
    change(state_);
  }
  // The writer's view: its draft when there is one.
  const State& Current() const { return drafting_ ? draft_ : state_; }
  // Reader (any thread): the published state, under the lock.
  template <class Look>
  auto Read(Look look) const {
    std::lock_guard<std::mutex> guard(lock_);
    return look(state_);
  }
  // What the calling thread sees: the writer's view on the owner thread (no
  // lock), the published state on any other.
  template <class Look>
  auto View(Look look) const {
    if (OwnerCalls()) return look(Current());
    return Read(look);
  }
  void Publish() override {
    {
      std::lock_guard<std::mutex> guard(lock_);
      std::swap(state_, draft_);
    }
    draft_ = State();
    drafting_ = false;
  }

 private:
  mutable std::mutex lock_;
  State state_;
  State draft_;
  bool drafting_ = false;
  MirrorOwner owner_;
};

}  // namespace klv
