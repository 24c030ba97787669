// The report list's mirror: its rows' cell texts and its selected row, as
// other threads read them (runtime/control_mirror.h). Pure code (no system
// headers): built natively under ThreadSanitizer too.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/control_mirror.h"

namespace klv {

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

}  // namespace klv
