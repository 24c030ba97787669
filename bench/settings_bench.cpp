// Settings-file benchmark: saving and loading plans of 100, 1,000 and 10,000
// rows with the real window in this process, next to baselines measured in
// the same run on the same file:
//   - one WriteFile of the bytes the save produced (the file's own cost);
//   - the row keys read one by one with GetPrivateProfileStringA, no window;
//   - the whole "Coordinate" section read once with GetPrivateProfileSectionA;
//   - the plan put into the list view alone (the window's own cost).
// The main table runs with the main window hidden: a list view that shows
// repaints on every change, which under Wine costs milliseconds per row and
// would hide everything else; a second table shows that cost.
//   bench_settings.exe [largest row count] [largest row count shown]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/report_list_commands.h"
#include "runtime/events.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace {

namespace Unit = klv::clicker::Unit;

double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of a few runs; the largest plans run once.
double Median(int runs, const std::function<double()>& measure) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(measure());
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

klv::CommandArgument PlanList() { return klv::clicker::UnitArgument(Unit::kPlanList, klv::TypeCode::kReportList); }

void FillPlan(int rows, int seed = 0) {
  using namespace klv::reportlist;
  using klv::clicker::CallReportList;
  using klv::clicker::IntegerArgument;
  CallReportList(kListDeleteAllRows, {PlanList()});
  for (int row = 0; row < rows; ++row) {
    CallReportList(kListInsertRow, {PlanList()});
    std::string cells[4] = {std::to_string(100 + (row + seed) % 800), std::to_string(200 + (row + seed) % 500),
                            std::to_string(10 + (row + seed) % 1000), (row + seed) % 2 ? "右键" : "左键"};
    for (int column = 0; column < 4; ++column) {
      CallReportList(kListSetCellText, {PlanList(), IntegerArgument(row), IntegerArgument(column),
                                        klv::clicker::TextArgument(cells[column].c_str())});
    }
  }
}

int RowCount() {
  return static_cast<int>(klv::clicker::CallReportList(klv::reportlist::kListRowCount, {PlanList()}).low);
}

void Press(uint32_t button) {
  klv::EventNotice notice = {Unit::kMainWindow, button, 0, 0, {0, 0, 0, 0, 0}, 0, 0};
  klv::DispatchEvent(&notice);
}

void ReadRowByRow(const std::string& path, int rows) {
  std::vector<char> value(10240);
  for (int i = 1; i <= rows; ++i) {
    std::string key = "坐标" + std::to_string(i);
    GetPrivateProfileStringA("Coordinate", key.c_str(), nullptr, value.data(), 10240, path.c_str());
  }
}

void ReadSectionOnce(const std::string& path) {
  std::vector<char> section(8u << 20);
  GetPrivateProfileSectionA("Coordinate", section.data(), static_cast<DWORD>(section.size()), path.c_str());
}

struct Figures {
  int rows;
  double saveFresh, saveOver, writeFile, load, rowByRow, sectionOnce, fillList;
};

Figures Measure(int rows, const std::string& path) {
  int runs = rows >= 10000 ? 1 : 3;
  Figures f = {rows, 0, 0, 0, 0, 0, 0, 0};
  f.fillList = Median(runs, [&] { return Milliseconds([&] { FillPlan(rows); }); });
  f.saveFresh = Median(runs, [&] {
    DeleteFileA(path.c_str());
    return Milliseconds([] { Press(Unit::kButtonSave); });
  });
  // Over a file holding other values: the system skips writing a value that
  // did not change, so saving the same plan twice would measure nothing.
  f.saveOver = Median(runs, [&] {
    FillPlan(rows, 1);
    Press(Unit::kButtonSave);
    FillPlan(rows);
    return Milliseconds([] { Press(Unit::kButtonSave); });
  });
  const std::string bytes = klvtest::ReadWholeFile(path);
  const std::string copy = path + ".copy";
  f.writeFile = Median(runs, [&] { return Milliseconds([&] { klvtest::WriteWholeFile(copy, bytes); }); });
  DeleteFileA(copy.c_str());
  f.load = Median(runs, [&] {
    klv::clicker::CallReportList(klv::reportlist::kListDeleteAllRows, {PlanList()});
    return Milliseconds([] { Press(Unit::kButtonLoad); });
  });
  if (RowCount() != rows) std::printf("!! the load gave %d rows instead of %d\n", RowCount(), rows);
  f.rowByRow = Median(runs, [&] { return Milliseconds([&] { ReadRowByRow(path, rows); }); });
  f.sectionOnce = Median(runs, [&] { return Milliseconds([&] { ReadSectionOnce(path); }); });
  return f;
}

void PrintTable(const std::vector<Figures>& all) {
  std::printf("%7s | %10s | %10s | %9s | %9s | %11s | %10s | %9s\n", "rows", "save new", "save over",
              "WriteFile", "load", "key by key", "section 1x", "list fill");
  for (const Figures& f : all) {
    std::printf("%7d | %10.1f | %10.1f | %9.2f | %9.1f | %11.1f | %10.2f | %9.1f\n", f.rows, f.saveFresh,
                f.saveOver, f.writeFile, f.load, f.rowByRow, f.sectionOnce, f.fillList);
  }
  std::printf("(milliseconds; median of 3 runs, 1 run at 10,000 rows or more)\n");
  for (size_t i = 1; i < all.size(); ++i) {
    double scale = static_cast<double>(all[i].rows) / all[i - 1].rows;
    std::printf("%d -> %d rows (x%.0f): save new x%.1f, save over x%.1f, load x%.1f, key by key x%.1f, "
                "list fill x%.1f\n",
                all[i - 1].rows, all[i].rows, scale, all[i].saveFresh / all[i - 1].saveFresh,
                all[i].saveOver / all[i - 1].saveOver, all[i].load / all[i - 1].load,
                all[i].rowByRow / all[i - 1].rowByRow, all[i].fillList / all[i - 1].fillList);
  }
}

}  // namespace

// Load and list fill with the window shown, once each.
void PrintShown(int largest, const std::string& path) {
  ShowWindow(klvtest::MainWindowHandle(), SW_SHOWNORMAL);
  std::printf("\nWindow shown (the list view repaints on every change), one run:\n");
  std::printf("%7s | %9s | %9s\n", "rows", "load", "list fill");
  for (int rows = 100; rows <= largest; rows *= 10) {
    FillPlan(rows);
    DeleteFileA(path.c_str());
    Press(Unit::kButtonSave);
    double fill = Milliseconds([&] { FillPlan(rows); });
    klv::clicker::CallReportList(klv::reportlist::kListDeleteAllRows, {PlanList()});
    double load = Milliseconds([] { Press(Unit::kButtonLoad); });
    std::printf("%7d | %9.1f | %9.1f\n", rows, load, fill);
  }
}

int main(int argc, char** argv) {
  int largest = argc > 1 ? std::atoi(argv[1]) : 10000;
  int largestShown = argc > 2 ? std::atoi(argv[2]) : 1000;
  klvtest::StartKlikvaneInProcess();
  const std::string path = klvtest::ProgramFolder() + "\\Marrowfen.ini";
  const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string kept = existed ? klvtest::ReadWholeFile(path) : std::string();
  std::printf("Window hidden:\n");
  ShowWindow(klvtest::MainWindowHandle(), SW_HIDE);
  std::vector<Figures> all;
  for (int rows = 100; rows <= largest; rows *= 10) all.push_back(Measure(rows, path));
  PrintTable(all);
  PrintShown(largestShown, path);
  if (existed) {
    klvtest::WriteWholeFile(path, kept);
  } else {
    DeleteFileA(path.c_str());
  }
  return 0;
}
