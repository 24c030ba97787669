#include "tests/support/remote_block.h"

#include "runtime/system_text.h"

namespace klvtest {

RemoteBlock::RemoteBlock(DWORD processId, size_t bytes)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)) {
  if (process_) address_ = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBlock::~RemoteBlock() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteBlock::Write(size_t offset, const void* data, size_t bytes) const {
  SIZE_T done = 0;
  return WriteProcessMemory(process_, address() + offset, data, bytes, &done) && done == bytes;
}

bool RemoteBlock::Read(size_t offset, void* data, size_t bytes) const {
  SIZE_T done = 0;
  return ReadProcessMemory(process_, address() + offset, data, bytes, &done) && done == bytes;
}

std::string AskedText(HWND window) {
  constexpr DWORD kAnswerTime = 5000;
  wchar_t text[1024] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kAnswerTime, &length);
  return klv::ToProgramText(text);
}

}  // namespace klvtest
