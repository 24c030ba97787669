#include "tests/support/recording_target.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace klvtest {
namespace {

void PumpBriefly() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Sleep(10);
}

}  // namespace

void PrintTo(const ReceivedMessage& m, std::ostream* out) {
  char line[64];
  std::snprintf(line, sizeof line, "%04X w=%08lX l=%08lX", m.message, m.wParam, m.lParam);
  *out << line << (m.window.empty() ? "" : " at ") << m.window;
}

std::string Describe(const std::vector<ReceivedMessage>& messages) {
  std::ostringstream out;
  for (const ReceivedMessage& m : messages) {
    out << "  ";
    PrintTo(m, &out);
    out << "\n";
  }
  return out.str();
}

namespace {

// The "name hwnd" lines after the first line of the ready file.
std::vector<std::pair<std::string, HWND>> ChildrenIn(const std::string& ready) {
  std::vector<std::pair<std::string, HWND>> children;
  std::istringstream in(ready);
  std::string line;
  std::getline(in, line);
  char name[32];
  unsigned long handle = 0;
  while (std::getline(in, line)) {
    if (std::sscanf(line.c_str(), "%31s %lu", name, &handle) == 2) {
      children.emplace_back(name, reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)));
    }
  }
  return children;
}

}  // namespace

ClickTarget::ClickTarget(const std::string& title, int left, int top, int width, int height, bool withChildren,
                         bool hung, Awareness awareness, bool activatedByClicks)
    : hung_(hung) {
  static int serial = 0;
  log_ = TempPath("target" + std::to_string(++serial) + ".log");
  DeleteFileA(log_.c_str());
  DeleteFileA((log_ + ".ready").c_str());
  std::string arguments = "\"" + log_ + "\" " + HexBytes(title) + " " + std::to_string(left) + " " + std::to_string(top) +
                          " " + std::to_string(width) + " " + std::to_string(height) + (withChildren ? " children" : "") +
                          (hung ? " hang" : "") + (activatedByClicks ? "" : " noactivate");
  if (awareness != Awareness::kProcessDefault) {
    arguments += " awareness=" + std::to_string(static_cast<intptr_t>(awareness));
  }
  process_ = std::make_unique<ChildProcess>("recording_window.exe", arguments);
  for (int i = 0; i < 1000 && process_->started(); ++i) {
    std::string ready = ReadWholeFile(log_ + ".ready");
    unsigned long window = 0, unused = 0;
    long x = 0, y = 0;
    if (!ready.empty() && std::sscanf(ready.c_str(), "%lu %ld %ld %lu", &window, &x, &y, &unused) == 4) {
      window_ = reinterpret_cast<HWND>(static_cast<uintptr_t>(window));
      children_ = ChildrenIn(ready);
      origin_ = {x, y};
      break;
    }
    PumpBriefly();
  }
}

ClickTarget::~ClickTarget() {
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  if (process_) process_->Wait(hung_ ? 0 : 5000);  // a hung target is ended
  DeleteFileA(log_.c_str());
  DeleteFileA((log_ + ".ready").c_str());
}

HWND ClickTarget::child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child.first == name) return child.second;
  }
  return nullptr;
}

std::optional<ReceivedMessage> ClickTarget::CursorAsSeen() const {
  static unsigned long serial = 0;
  const unsigned long mine = ++serial;
  PostMessageA(window_, kCursorQuestion, mine, 0);
  DWORD start = GetTickCount();
  do {
    for (const ReceivedMessage& m : Received()) {
      if (m.message == kCursorQuestion && m.wParam == mine) return m;
    }
    PumpBriefly();
  } while (GetTickCount() - start < 5000);
  return std::nullopt;
}

unsigned long long ClickTarget::LogBytes() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(log_.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

namespace {

// The log's lines, one message each.
std::vector<ReceivedMessage> ParseLog(const std::string& text) {
  std::vector<ReceivedMessage> messages;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    unsigned message = 0;
    unsigned long w = 0, l = 0;
    char how = 'Q';
    unsigned long long time = 0;
    unsigned long messageTime = 0;
    char child[32] = "";
    if (std::sscanf(line.c_str(), "%x %lx %lx %c %llu %lu %31s", &message, &w, &l, &how, &time, &messageTime, child) >=
        3) {
      messages.push_back({message, w, l, how != 'S', time, child, messageTime});
    }
  }
  return messages;
}

}  // namespace

std::vector<ReceivedMessage> ClickTarget::Received() const { return ParseLog(ReadWholeFile(log_)); }

std::vector<ReceivedMessage> ClickTarget::ReceivedFrom(unsigned long long* offset) const {
  std::ifstream in(log_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(*offset));
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t whole = text.rfind('\n');
  if (whole == std::string::npos) return {};
  text.resize(whole + 1);
  *offset += text.size();
  return ParseLog(text);
}

std::vector<ReceivedMessage> ClickTarget::WaitFor(size_t count, DWORD milliseconds) const {
  DWORD start = GetTickCount();
  std::vector<ReceivedMessage> messages = Received();
  while (messages.size() < count && GetTickCount() - start < milliseconds) {
    PumpBriefly();
    messages = Received();
  }
  return messages;
}

std::vector<ReceivedMessage> ClickTarget::Only(const std::vector<ReceivedMessage>& all, std::vector<unsigned> kinds) {
  std::vector<ReceivedMessage> kept;
  for (const ReceivedMessage& m : all) {
    for (unsigned kind : kinds) {
      if (m.message == kind) kept.push_back(m);
    }
  }
  return kept;
}

std::vector<ReceivedMessage> ClickTarget::Queued(const std::vector<ReceivedMessage>& all) {
  std::vector<ReceivedMessage> kept;
  for (const ReceivedMessage& m : all) {
    if (m.queued) kept.push_back(m);
  }
  return kept;
}

}  // namespace klvtest
