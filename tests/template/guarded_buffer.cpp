#include "guarded_buffer.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace {

size_t PageSize() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwPageSize;
}

}  // namespace

GuardedBuffer::GuardedBuffer(const uint8_t* data, size_t length) : length_(length) {
  const size_t page = PageSize();
  const size_t dataPages = (length + page - 1) / page;
  const size_t total = (dataPages + 1) * page;
  region_ = VirtualAlloc(nullptr, total, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (region_ == nullptr) throw std::runtime_error("VirtualAlloc failed");
  uint8_t* guard = static_cast<uint8_t*>(region_) + dataPages * page;
  DWORD old;
  if (!VirtualProtect(guard, page, PAGE_NOACCESS, &old)) {
    VirtualFree(region_, 0, MEM_RELEASE);
    throw std::runtime_error("VirtualProtect failed");
  }
  uint8_t* start = guard - length;
  if (length) std::memcpy(start, data, length);
  data_ = start;
}

GuardedBuffer::~GuardedBuffer() {
  if (region_) VirtualFree(region_, 0, MEM_RELEASE);
}
