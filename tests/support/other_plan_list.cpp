#include "tests/support/other_plan_list.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/system_text.h"
#include "tests/support/remote_block.h"

namespace klvtest {
namespace {

constexpr size_t kCellRoom = 4096;
constexpr DWORD kAnswerTime = 5000;

// A cell asked for in UTF-16, as the screen shows it, in program text.
std::string Cell(HWND list, const RemoteBlock& block, int row, int column) {
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(block.address() + sizeof item);
  item.cchTextMax = kCellRoom;
  std::vector<wchar_t> text(kCellRoom + 1, L'\0');
  const size_t textBytes = kCellRoom * sizeof(wchar_t);
  if (!block.Write(0, &item, sizeof item) || !block.Write(sizeof item, text.data(), textBytes)) return "<unwritable>";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(block.address()), SMTO_NORMAL,
                      kAnswerTime, &length);
  if (!block.Read(sizeof item, text.data(), textBytes)) return "<unreadable>";
  return klv::ToProgramText(text.data());
}

}  // namespace

int RowCountOf(HWND list) {
  DWORD_PTR count = 0;
  SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kAnswerTime, &count);
  return static_cast<int>(count);
}

Plan RowsOf(HWND list, DWORD processId) {
  RemoteBlock block(processId, sizeof(LVITEMW) + kCellRoom * sizeof(wchar_t));
  Plan plan;
  if (!block.ok()) return plan;
  for (int row = 0, count = RowCountOf(list); row < count; ++row) {
    plan.push_back({Cell(list, block, row, 0), Cell(list, block, row, 1), Cell(list, block, row, 2),
                    Cell(list, block, row, 3)});
  }
  return plan;
}

}  // namespace klvtest
