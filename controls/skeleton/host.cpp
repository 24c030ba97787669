#include "controls/skeleton/host.h"

namespace klv {
namespace {
HostNotifyFunction g_host = nullptr;
}

void SetHostNotify(HostNotifyFunction host) { g_host = host; }

uint32_t Host(int code, uint32_t first, uint32_t second) { return g_host ? g_host(code, first, second) : 0; }

int32_t ProcessNotifyLibrary(int code, uint32_t first, uint32_t second) {
  switch (code) {
    case ProcessNotifyCode::kStart:
      SetHostNotify(reinterpret_cast<HostNotifyFunction>(static_cast<uintptr_t>(first)));
      return 0;
    case ProcessNotifyCode::kShutdown:
      return 0;
    default:
      return -1;
  }
}

}  // namespace klv
