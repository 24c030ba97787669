// The runtime's HostNotify callback as the libraries received it at start-up.
#pragma once
#include <cstdint>

#include "runtime/interface/image_format.h"

namespace klv {

void SetHostNotify(HostNotifyFunction host);
uint32_t Host(int code, uint32_t first = 0, uint32_t second = 0);

// The ProcessNotifyLib shared by the libraries: code 1 keeps HostNotify,
// code 6 (shutdown) is acknowledged, any other code answers -1.
int32_t ProcessNotifyLibrary(int code, uint32_t first, uint32_t second);

}  // namespace klv
