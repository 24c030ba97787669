// Mirrors of what other threads read of a control. The thread that owns a
// control's system window keeps a copy of its content up to date on every
// path that changes it; any other thread reads the copy under a lock instead
// of sending a message to the owner and waiting for it to answer. One thread
// writes (the owner), any number read; every read returns the state of one
// moment, never a mix of two. A mirror knows its owner thread and picks the
// path of each read itself: the owner reads its own view, every other thread
// the published copy.
//
// An operator action changes a control in several steps (adding a plan row
// inserts the row, then fills its cells one by one). While the owner thread
// runs an event handler a batch is open: the changes go to a draft and are
// published together when the outermost batch closes, so another thread
// never sees half an action. Outside a batch each change is published before
// the call that made it returns.
//
// Pure code (no system headers): built natively under ThreadSanitizer too.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace klv {

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

// The rows of a report list and their cell texts, and the selected row.
class ListMirror {
 public:
  using Row = std::vector<std::string>;  // cell texts, column 0 first

  // Writers, on the owner thread. A row index outside the rows is ignored,
  // except that InsertRow appends at any index past the end.
  void Reset(std::vector<Row> rows, int32_t selected);
  void InsertRow(int32_t at, Row row);
  void ReplaceRow(int32_t at, Row row);
  void ReplaceCell(int32_t row, int32_t column, std::string text);
  void EraseRow(int32_t at);
  void SetSelected(int32_t row);
  // The calling thread becomes the writer (it made the list's window).
  void ClaimOwner() { state_.ClaimOwner(); }

  // Readers, on any thread. The owner thread reads its own view, with the
  // changes of an open batch, without the lock: it holds what the list view
  // holds, without a message to it for every cell. Any other thread reads
  // the published state. A missing row or column reads as the empty text.
  int32_t RowCount() const;
  std::string Cell(int32_t row, int32_t column) const;
  Row RowAt(int32_t row) const;  // the cells of one state together
  int32_t Selected() const;
  std::vector<Row> Rows() const;

 private:
  struct State {
    std::vector<Row> rows;
    int32_t selected = -1;
  };
  GuardedState<State> state_;
};

// The shown text, the selected item and the item texts of a combo box.
class ComboMirror {
 public:
  struct State {
    std::string text;
    int32_t selected = -1;
    std::vector<std::string> items;
    std::vector<uint32_t> itemData;  // one word per item, beside its text
    bool operator==(const State& o) const {
      return text == o.text && selected == o.selected && items == o.items && itemData == o.itemData;
    }
  };

  // Writer, on the owner thread: the whole state at once. Returns whether
  // it differed from the one held.
  bool Set(const State& state);
  // Writer: the shown text and selection, the items kept. Same answer.
  bool SetShown(const std::string& text, int32_t selected);

  // The shown text with the selected item and its data word, of one moment.
  struct Choice {
    std::string text;
    int32_t selected = -1;
    uint32_t itemData = 0;  // 0 with no item selected
  };

  // What the owner thread reads instead of the copy while the combo box has
  // a window: the live control, asked past its mirroring procedure.
  class LiveSource {
   public:
    virtual bool HasWindow() const = 0;
    virtual Choice LiveChoice() const = 0;
    virtual std::string LiveText() const = 0;
    virtual int32_t LiveSelected() const = 0;
    virtual std::string LiveItem(int32_t index) const = 0;
    virtual uint32_t LiveItemData(int32_t index) const = 0;

   protected:
    ~LiveSource() = default;
  };
  // The calling thread becomes the writer (it made the combo box's window);
  // it reads live, from then on, whenever live has a window.
  void ClaimOwner(const LiveSource* live);

  // The published state, on any thread.
  State Snapshot() const;
  // Readers, on any thread: the owner asks the live control, any other
  // thread (and the owner while the window is being built anew) reads the
  // published state.
  Choice ShownChoice() const;
  std::string Text() const;
  int32_t Selected() const;
  // The item's text; the empty text for an index outside the items.
  std::string Item(int32_t index) const;
  // The item's data word; 0 for an index outside the items.
  uint32_t ItemData(int32_t index) const;

 private:
  // The live control when the owner calls and it has a window, else null.
  const LiveSource* LiveForCaller() const;

  GuardedState<State> state_;
  std::atomic<const LiveSource*> live_{nullptr};
};

}  // namespace klv
