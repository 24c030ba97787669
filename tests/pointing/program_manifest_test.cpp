// The application manifest built into Klikvane.exe, read back from the file
// as Windows reads it: the supported Windows versions from 7 to 10 and 11,
// and nothing else (no elevation request, no display-scaling awareness, no
// visual styles).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/child_process.h"

namespace klvtest {
namespace {

constexpr WORD kProcessManifest = 1;  // CREATEPROCESS_MANIFEST_RESOURCE_ID

std::string ManifestOf(const std::string& program) {
  HMODULE file = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (file == nullptr) return "";
  std::string text;
  if (HRSRC found = FindResourceA(file, MAKEINTRESOURCEA(kProcessManifest), MAKEINTRESOURCEA(24))) {  // RT_MANIFEST
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(file, found)));
    if (bytes) text.assign(bytes, SizeofResource(file, found));
  }
  FreeLibrary(file);
  return text;
}

// Every element in document order with its Id attribute (empty when it has
// none); the declaration and comments left out.
std::vector<std::pair<std::string, std::string>> Elements(const std::string& xml) {
  std::vector<std::pair<std::string, std::string>> elements;
  for (size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
    char next = at + 1 < xml.size() ? xml[at + 1] : '\0';
    if (next == '?' || next == '!' || next == '/') continue;
    size_t end = xml.find('>', at);
    std::string tag = xml.substr(at + 1, end - at - 1);
    std::string name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
    std::string id;
    if (size_t idAt = tag.find(" Id=\""); idAt != std::string::npos) {
      id = tag.substr(idAt + 5, tag.find('"', idAt + 5) - idAt - 5);
    }
    elements.emplace_back(name, id);
  }
  return elements;
}

TEST(ProgramManifest, NamesTheSupportedWindowsVersionsAndNothingElse) {
  std::string manifest = ManifestOf(ProgramFolder() + "\\..\\Klikvane.exe");
  ASSERT_FALSE(manifest.empty()) << "no manifest resource";
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"assembly", ""},
      {"compatibility", ""},
      {"application", ""},
      {"supportedOS", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},  // Windows 7
      {"supportedOS", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},  // Windows 8
      {"supportedOS", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},  // Windows 8.1
      {"supportedOS", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},  // Windows 10 and 11
  };
  EXPECT_EQ(expected, Elements(manifest)) << manifest;
  EXPECT_NE(std::string::npos, manifest.find("xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\""));
  EXPECT_NE(std::string::npos, manifest.find("xmlns=\"urn:schemas-microsoft-com:compatibility.v1\""));
}

}  // namespace
}  // namespace klvtest
