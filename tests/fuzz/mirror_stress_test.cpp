// The control mirrors under one writer and several readers at once, built
// with ThreadSanitizer: no data race, and every read is a state the writer
// wrote, whole (never a mix of two writes, nor part of a batch), and never
// older than one read before it on the same thread.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "controls/combo_box/combo_box_mirror.h"
#include "controls/report_list/list_mirror.h"
#include "runtime/control_mirror.h"

namespace {

using klv::ComboMirror;
using klv::ListMirror;

constexpr int kWrites = 20000;
constexpr int kReaders = 3;

// State number n of the combo: text, selection and items all say n.
ComboMirror::State ComboState(int n) {
  std::string mark = std::to_string(n);
  return {"text " + mark, n, {mark, mark + " second", std::string(40, 'x') + mark}};
}

// The number a combo state was written under; -1 when it is not one. An
// even state changed only the shown part: its items are those of the state
// before.
int ComboNumber(const ComboMirror::State& state) {
  if (state.text == "" && state.selected == -1 && state.items.empty()) return 0;  // before the first write
  int n = state.selected;
  if (state.text != "text " + std::to_string(n)) return -1;
  if (state.items == ComboState(n).items || (n % 2 == 0 && state.items == ComboState(n - 1).items)) return n;
  return -1;
}

TEST(MirrorStress, EveryComboReadIsOneWrittenStateAndNeverGoesBack) {
  ComboMirror mirror;
  std::atomic<bool> done{false};
  std::atomic<int> torn{0}, backwards{0}, reads{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < kReaders; ++r) {
    readers.emplace_back([&] {
      int last = 0;
      while (!done.load()) {
        ComboMirror::State seen = mirror.Snapshot();
        int n = ComboNumber(seen);
        if (n < 0) ++torn;
        if (n < last) ++backwards;
        last = std::max(last, n);
        // The single-field reads each give a field of some written state.
        int selected = mirror.Selected();
        if (selected < last && selected != -1) ++backwards;
        std::string item = mirror.Item(1);
        if (!item.empty() && item.find(" second") == std::string::npos) ++torn;
        ++reads;
      }
    });
  }
  for (int n = 1; n <= kWrites; ++n) {
    if (n % 2) {
      mirror.Set(ComboState(n));
    } else {
      mirror.SetShown("text " + std::to_string(n), n);
    }
  }
  done = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(0, torn.load());
  EXPECT_EQ(0, backwards.load());
  EXPECT_GT(reads.load(), 0);
  EXPECT_EQ(kWrites, ComboNumber(mirror.Snapshot()));
}

// Row r of list state n: every cell says "n:r".
ListMirror::Row ListRow(int n, int r) {
  std::string mark = std::to_string(n) + ":" + std::to_string(r);
  return {mark, mark, mark, mark + " 左键"};
}

TEST(MirrorStress, EveryListRowReadIsOneWrittenRowWhileRowsComeAndGo) {
  ListMirror mirror;
  std::atomic<bool> done{false};
  std::atomic<int> torn{0}, reads{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < kReaders; ++r) {
    readers.emplace_back([&, r] {
      while (!done.load()) {
        int32_t count = mirror.RowCount();
        int32_t row = count > 0 ? (r * 7 + reads.load()) % count : 0;
        ListMirror::Row cells = mirror.RowAt(row);
        // A row that vanished meanwhile reads as no cells; any other read is
        // one row as written, all four cells from the same write.
        if (!cells.empty() && (cells.size() != 4 || cells[1] != cells[0] || cells[3] != cells[0] + " 左键")) ++torn;
        std::string cell = mirror.Cell(row, 2);
        if (!cell.empty() && cell.find(':') == std::string::npos) ++torn;
        ++reads;
      }
    });
  }
  for (int n = 1; n <= kWrites; ++n) {
    int32_t count = mirror.RowCount();
    switch (n % 5) {
      case 0: mirror.EraseRow(count / 2); break;
      case 1:
        // An operator action in steps, inside a batch: the row shows only
        // once it is filled.
        klv::MirrorBatch::Open();
        mirror.InsertRow(count, {"", "", "", ""});
        mirror.ReplaceCell(count, 0, std::to_string(n) + ":" + std::to_string(count));
        mirror.ReplaceRow(count, ListRow(n, count));
        klv::MirrorBatch::Close();
        break;
      case 2: mirror.InsertRow(0, ListRow(n, 0)); break;
      case 3: if (count > 0) mirror.ReplaceRow(n % count, ListRow(n, n % count)); break;
      default:
        if (n % 1000 == 4) mirror.Reset({ListRow(n, 0), ListRow(n, 1)}, 1);
        mirror.SetSelected(n % 3 - 1);
        break;
    }
  }
  done = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(0, torn.load());
  EXPECT_GT(reads.load(), 0);
}

TEST(MirrorStress, MissingRowsColumnsAndItemsReadEmpty) {
  ListMirror list;
  list.InsertRow(5, {"a"});  // past the end: appended
  list.ReplaceCell(0, 2, "c");
  EXPECT_EQ(1, list.RowCount());
  EXPECT_EQ((ListMirror::Row{"a", "", "c"}), list.RowAt(0));
  EXPECT_EQ("", list.Cell(0, 3));
  EXPECT_EQ("", list.Cell(1, 0));
  EXPECT_EQ("", list.Cell(-1, 0));
  list.EraseRow(1);
  list.ReplaceRow(-1, {"x"});
  EXPECT_EQ(1, list.RowCount());
  ComboMirror combo;
  EXPECT_TRUE(combo.Set({"t", 0, {"t"}}));
  EXPECT_FALSE(combo.Set({"t", 0, {"t"}}));
  EXPECT_EQ("", combo.Item(1));
  EXPECT_EQ("", combo.Item(-1));
  EXPECT_EQ("t", combo.Item(0));
}

// A handler's batch holds its changes back until it returns, except across
// a nested message loop (a box it shows): what it drafted so far is
// published when the loop starts, the handlers the loop dispatches publish
// as they return, and the handler's batch goes on after the loop. A reader
// on another thread sees each of those states whole.
TEST(MirrorBatch, ANestedLoopPublishesTheBatchSoFarAndWhatIsChangedDuringIt) {
  ListMirror list;
  ComboMirror combo;
  auto rowsSeenElsewhere = [&] {
    int32_t rows = -1;
    std::thread([&] { rows = list.RowCount(); }).join();
    return rows;
  };
  {
    klv::MirrorBatch::Scope handler;
    list.InsertRow(0, {"1", "2"});
    combo.SetShown("before the box", 0);
    EXPECT_EQ(0, rowsSeenElsewhere());
    {
      klv::MirrorBatch::Interlude box;
      EXPECT_FALSE(klv::MirrorBatch::IsOpen());
      EXPECT_EQ(1, rowsSeenElsewhere());
      EXPECT_EQ("before the box", combo.ShownChoice().text);
      {
        klv::MirrorBatch::Scope dispatchedByTheBox;
        list.InsertRow(1, {"3", "4"});
        EXPECT_EQ(1, rowsSeenElsewhere());
      }
      EXPECT_EQ(2, rowsSeenElsewhere());
    }
    EXPECT_TRUE(klv::MirrorBatch::IsOpen());
    list.InsertRow(2, {"5", "6"});
    EXPECT_EQ(2, rowsSeenElsewhere());
  }
  EXPECT_EQ(3, rowsSeenElsewhere());
  EXPECT_EQ((ListMirror::Row{"3", "4"}), list.RowAt(1));
}

TEST(MirrorBatch, TheShownChoiceIsTextSelectionAndDataOfOneState) {
  ComboMirror combo;
  EXPECT_EQ(0u, combo.ShownChoice().itemData);
  combo.Set({"b", 1, {"a", "b"}, {11, 22}});
  ComboMirror::Choice choice = combo.ShownChoice();
  EXPECT_EQ("b", choice.text);
  EXPECT_EQ(1, choice.selected);
  EXPECT_EQ(22u, choice.itemData);
  combo.SetShown("typed", -1);
  EXPECT_EQ(0u, combo.ShownChoice().itemData);
  combo.SetShown("c", 5);  // a selection past the items has no data
  EXPECT_EQ(0u, combo.ShownChoice().itemData);
}

}  // namespace

// A mirror picks the path of each read by the calling thread: the thread
// that claimed it (the one that made the control's window) reads its own
// view, with the changes of its open batch; any other thread reads the
// published state.
TEST(MirrorOwner, TheOwnerReadsItsDraftAndOtherThreadsThePublishedState) {
  ListMirror list;
  auto seenElsewhere = [&] {
    std::pair<ListMirror::Row, int32_t> seen;
    std::thread([&] { seen = {list.RowAt(0), list.Selected()}; }).join();
    return seen;
  };
  list.ClaimOwner();
  list.InsertRow(0, {"a"});
  {
    klv::MirrorBatch::Scope handler;
    list.ReplaceCell(0, 1, "b");
    list.SetSelected(0);
    EXPECT_EQ((ListMirror::Row{"a", "b"}), list.RowAt(0));
    EXPECT_EQ("b", list.Cell(0, 1));
    EXPECT_EQ(0, list.Selected());
    EXPECT_EQ(1, list.RowCount());
    EXPECT_EQ(std::make_pair(ListMirror::Row{"a"}, -1), seenElsewhere());
  }
  EXPECT_EQ(std::make_pair(ListMirror::Row{"a", "b"}, 0), seenElsewhere());
}

// The combo box's live control, as its owner thread would ask it.
class LiveCombo : public ComboMirror::LiveSource {
 public:
  bool window = true;
  bool HasWindow() const override { return window; }
  ComboMirror::Choice LiveChoice() const override { return {"live", 1, 99}; }
  std::string LiveText() const override { return "live"; }
  int32_t LiveSelected() const override { return 1; }
  std::string LiveItem(int32_t index) const override { return "live item"; }
  uint32_t LiveItemData(int32_t index) const override { return 99; }
};

// The combo box's owner asks its live control while that has a window, and
// reads the published copy while the window is being built anew; other
// threads always read the copy.
TEST(MirrorOwner, TheComboOwnerAsksItsLiveControlWhileItHasAWindow) {
  ComboMirror combo;
  LiveCombo live;
  combo.Set({"copy", 0, {"copy"}, {7}});
  auto textElsewhere = [&] {
    std::string text;
    std::thread([&] { text = combo.Text() + "/" + combo.Item(0) + "/" + std::to_string(combo.ItemData(0)); }).join();
    return text;
  };
  EXPECT_EQ("copy", combo.Text());  // no owner claimed yet
  combo.ClaimOwner(&live);
  EXPECT_EQ("live", combo.Text());
  EXPECT_EQ(1, combo.Selected());
  EXPECT_EQ("live item", combo.Item(0));
  EXPECT_EQ(99u, combo.ItemData(0));
  EXPECT_EQ("live", combo.ShownChoice().text);
  EXPECT_EQ("copy/copy/7", textElsewhere());
  live.window = false;
  EXPECT_EQ("copy", combo.Text());
  EXPECT_EQ(0, combo.Selected());
  EXPECT_EQ(7u, combo.ShownChoice().itemData);
}
