// Settings-file benchmark: saving and loading plans of 100, 1,000 and 10,000
// rows with the real window in this process, next to baselines measured in
// the same run on the same file:
//   - one WriteFile of the bytes the save produced, and one ReadFile of them
//     (the file's own cost);
//   - the plan put into the list view alone through the report-list
//     commands, with the list drawing after every change and with its
//     drawing paused as the load pauses it (the window's own cost);
//   - one row added at the end of the full plan and of an empty plan.
// Loads run with the main window hidden and shown.
//   bench_settings.exe [largest row count]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/events.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"

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

void SetDrawing(bool on) { SendMessageA(klvtest::UnitHandle(Unit::kPlanList), WM_SETREDRAW, on ? TRUE : FALSE, 0); }

void AppendRow(int row, int seed) {
  using namespace klv::reportlist;
  using klv::clicker::CallReportList;
  using klv::clicker::IntegerArgument;
  int at = static_cast<int>(CallReportList(kListInsertRow, {PlanList()}).low);
  std::string cells[4] = {std::to_string(100 + (row + seed) % 800), std::to_string(200 + (row + seed) % 500),
                          std::to_string(10 + (row + seed) % 1000), (row + seed) % 2 ? "右键" : "左键"};
  for (int column = 0; column < 4; ++column) {
    CallReportList(kListSetCellText, {PlanList(), IntegerArgument(at), IntegerArgument(column),
                                      klv::clicker::TextArgument(cells[column].c_str())});
  }
}

// The plan put in row by row through the commands; with paused drawing the
// list draws once at the end, as after a load.
void FillPlan(int rows, int seed = 0, bool paused = true) {
  if (paused) SetDrawing(false);
  klv::clicker::CallReportList(klv::reportlist::kListDeleteAllRows, {PlanList()});
  for (int row = 0; row < rows; ++row) AppendRow(row, seed);
  if (paused) {
    SetDrawing(true);
    klvtest::Pump(0);
  }
}

int RowCount() {
  return static_cast<int>(klv::clicker::CallReportList(klv::reportlist::kListRowCount, {PlanList()}).low);
}

void Press(uint32_t button) {
  klv::EventNotice notice = {Unit::kMainWindow, button, 0, 0, {0, 0, 0, 0, 0}, 0, 0};
  klv::DispatchEvent(&notice);
}

void ReadFileOnce(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::vector<char> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
}

struct Figures {
  int rows;
  double saveFresh, saveOver, writeFile, loadHidden, loadShown, readFile, fillDrawing, fillPaused, addOne;
};

double LoadTime(int rows) {
  FillPlan(0);
  double time = Milliseconds([] { Press(Unit::kButtonLoad); });
  klvtest::Pump(0);
  if (RowCount() != rows) std::printf("!! the load gave %d rows instead of %d\n", RowCount(), rows);
  return time;
}

Figures Measure(int rows, const std::string& path) {
  int runs = rows >= 10000 ? 1 : 3;
  Figures f = {rows, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  HWND main = klvtest::MainWindowHandle();
  ShowWindow(main, SW_HIDE);
  f.fillDrawing = rows > 1000 ? -1 : Median(runs, [&] { return Milliseconds([&] { FillPlan(rows, 0, false); }); });
  f.fillPaused = Median(runs, [&] { return Milliseconds([&] { FillPlan(rows); }); });
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
  f.readFile = Median(runs, [&] { return Milliseconds([&] { ReadFileOnce(copy); }); });
  DeleteFileA(copy.c_str());
  f.loadHidden = Median(runs, [&] { return LoadTime(rows); });
  ShowWindow(main, SW_SHOWNORMAL);
  klvtest::Pump(50);
  f.loadShown = Median(runs, [&] { return LoadTime(rows); });
  klvtest::Pump(50);
  f.addOne = Median(runs, [&] { return Milliseconds([&] { AppendRow(rows, 0); }); });
  return f;
}

void PrintTable(const std::vector<Figures>& all, double addToEmpty) {
  std::printf("%7s | %9s | %9s | %9s | %11s | %10s | %8s | %12s | %11s | %9s\n", "rows", "save new", "save over",
              "WriteFile", "load hidden", "load shown", "ReadFile", "fill drawing", "fill paused", "add one");
  for (const Figures& f : all) {
    std::printf("%7d | %9.1f | %9.1f | %9.2f | %11.1f | %10.1f | %8.2f | %12.1f | %11.1f | %9.2f\n", f.rows,
                f.saveFresh, f.saveOver, f.writeFile, f.loadHidden, f.loadShown, f.readFile, f.fillDrawing,
                f.fillPaused, f.addOne);
  }
  std::printf("(milliseconds; median of 3 runs, 1 run at 10,000 rows; the window shown for \"load shown\" and "
              "\"add one\", hidden otherwise; -1: not run, the list drawing after every row takes minutes)\n");
  std::printf("one row added to an empty plan, window shown: %.2f ms\n", addToEmpty);
  for (size_t i = 1; i < all.size(); ++i) {
    double scale = static_cast<double>(all[i].rows) / all[i - 1].rows;
    std::printf("%d -> %d rows (x%.0f): save new x%.1f, save over x%.1f, load hidden x%.1f, load shown x%.1f, "
                "fill paused x%.1f\n",
                all[i - 1].rows, all[i].rows, scale, all[i].saveFresh / all[i - 1].saveFresh,
                all[i].saveOver / all[i - 1].saveOver, all[i].loadHidden / all[i - 1].loadHidden,
                all[i].loadShown / all[i - 1].loadShown, all[i].fillPaused / all[i - 1].fillPaused);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int largest = argc > 1 ? std::atoi(argv[1]) : 10000;
  klvtest::StartKlikvaneInProcess();
  const std::string path = klvtest::SettingsPathHere();
  const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string kept = existed ? klvtest::ReadWholeFile(path) : std::string();
  ShowWindow(klvtest::MainWindowHandle(), SW_SHOWNORMAL);
  FillPlan(0);
  klvtest::Pump(50);
  double addToEmpty = Median(3, [] {
    FillPlan(0);
    klvtest::Pump(20);
    return Milliseconds([] { AppendRow(0, 0); });
  });
  std::vector<Figures> all;
  for (int rows = 100; rows <= largest; rows *= 10) all.push_back(Measure(rows, path));
  PrintTable(all, addToEmpty);
  if (existed) {
    klvtest::WriteWholeFile(path, kept);
  } else {
    DeleteFileA(path.c_str());
  }
  return 0;
}
