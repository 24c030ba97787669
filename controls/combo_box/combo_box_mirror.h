// The combo box's mirror: its shown text, selected item and item texts, as
// other threads read them (runtime/control_mirror.h). Pure code (no system
// headers): built natively under ThreadSanitizer too.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/control_mirror.h"

namespace klv {

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
