// The boxes the program asks for through its message-box command while an
// action runs, recorded instead of shown (each answered with OK).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace klvtest {

struct BoxCall {
  std::string text, caption;
  uint32_t style;
  bool operator==(const BoxCall& o) const { return text == o.text && caption == o.caption && style == o.style; }
};
std::vector<BoxCall> BoxesDuring(const std::function<void()>& action);

}  // namespace klvtest
