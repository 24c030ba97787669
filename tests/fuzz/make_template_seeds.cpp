// Writes the template reader's seed blocks:   make_template_seeds <folder>
// The MainWindow block and a few small blocks that reach the reader's other
// paths: a bare window, menu entries, a report list with column and row
// blobs, a combo box with items, two windows. Run it again after a change to
// the block format, and commit the files it writes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "image/main_window_builder.h"
#include "image/main_window_description.h"
#include "image/tray_icon_maker.h"
#include "runtime/interface/command_values.h"
#include "runtime/window_template.h"

namespace {

using klv::Bytes;
using klv::WindowBuilder;
namespace T = klv::TypeCode;

constexpr uint32_t kVisible = klv::UnitFlag::kVisible;

klv::WindowDescription OneWindow() {
  WindowBuilder w(0x52010002, 1, 2);
  w.Window(0x06010000, {0, 0, 100, 80}, kVisible, {{0, 0}}, {});
  return w.Finish();
}

klv::WindowDescription MenuEntries() {
  WindowBuilder w(0x52010003, 0, 0);
  w.Window(0x06010000, {0, 0, 100, 80}, kVisible, {}, {});
  w.Menu(0x26010001, 0, "File", klv::MenuFlag::kHidden, klv::kNoHandler);
  w.Menu(0x26010002, 1, "Quit", klv::MenuFlag::kChecked, 3);
  w.Control(0x16010003, "button", T::kButton, 0, {1, 2, 3, 4}, kVisible, {{0, 1}}, klv::ButtonBlock("OK"));
  return w.Finish();
}

Bytes ReportListBlock() {
  klv::ReportListSettings settings;
  klv::ColumnRecord column;
  column.title = "X";
  settings.columns = {column, column};
  klv::RowCellRecord cell;
  cell.text = "1";
  cell.tip = "tip";
  settings.rows = {cell, cell};
  settings.rows[1].nextColumn = 1;
  return klv::WriteSettings(settings);
}

klv::WindowDescription ReportList() {
  WindowBuilder w(0x52010004, 0, 0);
  w.Window(0x06010000, {0, 0, 200, 200}, kVisible, {}, {});
  w.Control(0x16010001, "group", T::kGroupBox, 0, {0, 0, 100, 100}, kVisible, {}, klv::GroupBlock("g"));
  w.Control(0x16010002, "list", T::kReportList, 0x16010001, {0, 0, 90, 90}, kVisible, {{-4, 2}}, ReportListBlock());
  w.Control(0x16010003, "combo", T::kComboBox, 0, {0, 0, 50, 20}, kVisible, {}, klv::DropDownListBlock({"a", "b"}, 1));
  w.Control(0x16010004, "edit", T::kEditBox, 0, {0, 0, 50, 20}, kVisible, {}, klv::EditBlock("12", klv::kAlignRight));
  w.Control(0x16010005, "label", T::kLabel, 0, {0, 0, 50, 20}, kVisible, {},
            klv::LabelBlock("L", klv::kAlignLeft, klv::kAlignCentre, 0));
  return w.Finish();
}

bool WriteBlock(const std::string& path, const std::vector<klv::WindowDescription>& windows) {
  const std::vector<uint8_t> block = klv::WriteTemplateBlock(windows);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_template_seeds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = WriteBlock(folder + "/main_window.block", {klv::MainWindowDescription(klv::MakeTrayIcon())}) &&
                       WriteBlock(folder + "/one_window.block", {OneWindow()}) &&
                       WriteBlock(folder + "/menu_entries.block", {MenuEntries()}) &&
                       WriteBlock(folder + "/report_list.block", {ReportList()}) &&
                       WriteBlock(folder + "/two_windows.block", {OneWindow(), MenuEntries()});
  if (!written) std::fprintf(stderr, "%s: cannot write the seed blocks\n", folder.c_str());
  return written ? 0 : 1;
}
