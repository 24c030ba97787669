#include "tests/stress/settings_files.h"

#include <random>

namespace klvtest {
namespace {

std::string ModeValue(Mode mode) { return mode == Mode::kBackground ? "1" : "0"; }

}  // namespace

SettingsFile WholeFile(const Settings& settings) {
  return {FreshFile(ModeValue(settings.mode), settings.title, settings.rows), settings};
}

SettingsFile CutShortFile(const Settings& settings) {
  SettingsFile file = WholeFile(settings);
  if (settings.rows.empty()) return file;
  const PlanRow& last = settings.rows.back();
  file.bytes.resize(file.bytes.size() - (last.delay.size() + last.button.size() + 4));  // "|delay|button\r\n"
  file.loads.rows.pop_back();
  return file;
}

SettingsFile MissingRowsFile(const Settings& settings) {
  Settings counted = settings;
  counted.rows.push_back({"7", "8", "9", "左键"});
  counted.rows.push_back({"7", "8", "9", "左键"});
  SettingsFile file = WholeFile(counted);
  std::string broken = "\r\n坐标" + std::to_string(counted.rows.size() - 1) + "=";
  size_t at = file.bytes.find(broken);
  file.bytes = file.bytes.substr(0, at) + broken + "7|8\r\n";
  file.loads = settings;
  return file;
}

SettingsFile GarbageFile(uint32_t seed) {
  std::mt19937 bytes(seed);
  std::string garbage(200 + bytes() % 400, '\0');
  for (char& c : garbage) {
    unsigned value = bytes() % 0x70;
    c = static_cast<char>(value < 8 ? value + 1 : value + 0x8F);  // 0x01-0x08 or 0x97-0xFE
  }
  garbage[0] = 1;  // no byte-order mark
  for (size_t i = 5; i < garbage.size(); i += 37) garbage[i] = '\0';
  return {garbage, Settings{Mode::kForeground, "", {}}};
}

}  // namespace klvtest
