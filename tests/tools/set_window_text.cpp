// Sets a window's text from a process of its own, as another program would:
//   set_window_text.exe <window handle, hex> <text bytes, hex>
// The text is program text (GBK), sent as the wide text it stands for, as a
// program of any code page would. Exits with what WM_SETTEXT answered.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/system_text.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoul(argv[1], nullptr, 16)));
  std::string hex = argv[2], text;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  const std::wstring wide = klv::ToSystemText(text);
  return static_cast<int>(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}
