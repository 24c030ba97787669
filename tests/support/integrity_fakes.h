// The integrity levels Klikvane reads before a background run or single
// step, answered by the test: the program's OpenProcess, OpenProcessToken
// and GetTokenInformation are stand-ins (tests/support/bound_functions.h)
// that pass every call on to the system, except while a scenario is set.
#pragma once
#include <windows.h>

namespace klvtest {

struct IntegrityScenario {
  enum class Target {
    kLevel,          // the target's token answers targetLevel
    kProcessDenied,  // OpenProcess of the target: access denied
    kTokenDenied,    // OpenProcessToken of the target's process: access denied
    kOtherFailure,   // OpenProcess of the target: another error
  };
  Target target = Target::kLevel;
  DWORD targetLevel = 0x2000;  // medium
  DWORD ownLevel = 0x2000;
};

// Installs the stand-ins (once per process); before the runtime binds them.
void InterceptIntegrityReads();

// The scenario for as long as the object lives.
class FakedIntegrity {
 public:
  explicit FakedIntegrity(const IntegrityScenario& scenario);
  ~FakedIntegrity();
  FakedIntegrity(const FakedIntegrity&) = delete;
  FakedIntegrity& operator=(const FakedIntegrity&) = delete;
  // How many times a target process was opened meanwhile.
  long targetsOpened() const;
};

}  // namespace klvtest
