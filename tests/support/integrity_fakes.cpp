#include "tests/support/integrity_fakes.h"

#include <atomic>
#include <cstring>

#include "tests/support/bound_functions.h"

namespace klvtest {
namespace {

using OpenProcessFunction = HANDLE(WINAPI*)(DWORD, BOOL, DWORD);
using OpenTokenFunction = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
using TokenInformationFunction = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);

void* g_realOpenProcess = nullptr;
void* g_realOpenToken = nullptr;
void* g_realTokenInformation = nullptr;
std::atomic<const IntegrityScenario*> g_scenario{nullptr};
std::atomic<HANDLE> g_targetProcess{nullptr}, g_targetToken{nullptr}, g_ownToken{nullptr};
std::atomic<long> g_targetsOpened{0};

HANDLE WINAPI FakeOpenProcess(DWORD access, BOOL inherit, DWORD processId) {
  const IntegrityScenario* scenario = g_scenario;
  if (scenario == nullptr) return reinterpret_cast<OpenProcessFunction>(g_realOpenProcess)(access, inherit, processId);
  ++g_targetsOpened;
  if (scenario->target == IntegrityScenario::Target::kProcessDenied ||
      scenario->target == IntegrityScenario::Target::kOtherFailure) {
    bool denied = scenario->target == IntegrityScenario::Target::kProcessDenied;
    SetLastError(denied ? ERROR_ACCESS_DENIED : ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HANDLE process = reinterpret_cast<OpenProcessFunction>(g_realOpenProcess)(access, inherit, processId);
  g_targetProcess = process;
  return process;
}

BOOL WINAPI FakeOpenToken(HANDLE process, DWORD access, PHANDLE token) {
  const IntegrityScenario* scenario = g_scenario;
  bool target = scenario && process != GetCurrentProcess() && process == g_targetProcess.load();
  if (target && scenario->target == IntegrityScenario::Target::kTokenDenied) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  BOOL opened = reinterpret_cast<OpenTokenFunction>(g_realOpenToken)(process, access, token);
  if (opened && scenario) {
    // A handle value closed before may come back for the other token.
    (target ? g_targetToken : g_ownToken) = *token;
    HANDLE expected = *token;
    (target ? g_ownToken : g_targetToken).compare_exchange_strong(expected, nullptr);
  }
  return opened;
}

// A mandatory label as the system lays it out: the SID's address, the
// attributes, then the SID (revision 1, one sub-authority, the mandatory
// label authority 16) whose sub-authority is the level.
BOOL WriteLabel(DWORD level, LPVOID buffer, DWORD size, PDWORD needed) {
  struct Label {
    void* sid;
    DWORD attributes;
    BYTE revision, count, authority[6];
    DWORD subAuthority;
  };
  *needed = sizeof(Label);
  if (size < sizeof(Label)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* label = static_cast<Label*>(buffer);
  *label = {&label->revision, 0x20, 1, 1, {0, 0, 0, 0, 0, 16}, level};  // SE_GROUP_INTEGRITY
  return TRUE;
}

BOOL WINAPI FakeTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind, LPVOID buffer, DWORD size, PDWORD needed) {
  const IntegrityScenario* scenario = g_scenario;
  if (scenario && kind == TokenIntegrityLevel && (token == g_targetToken.load() || token == g_ownToken.load())) {
    return WriteLabel(token == g_targetToken.load() ? scenario->targetLevel : scenario->ownLevel, buffer, size, needed);
  }
  return reinterpret_cast<TokenInformationFunction>(g_realTokenInformation)(token, kind, buffer, size, needed);
}

}  // namespace

void InterceptIntegrityReads() {
  StandInFor("OpenProcess", reinterpret_cast<void*>(&FakeOpenProcess), &g_realOpenProcess);
  StandInFor("OpenProcessToken", reinterpret_cast<void*>(&FakeOpenToken), &g_realOpenToken);
  StandInFor("GetTokenInformation", reinterpret_cast<void*>(&FakeTokenInformation), &g_realTokenInformation);
}

FakedIntegrity::FakedIntegrity(const IntegrityScenario& scenario) {
  g_targetsOpened = 0;
  g_targetProcess = g_targetToken = g_ownToken = nullptr;
  g_scenario = new IntegrityScenario(scenario);
}

FakedIntegrity::~FakedIntegrity() { delete g_scenario.exchange(nullptr); }

long FakedIntegrity::targetsOpened() const { return g_targetsOpened; }

}  // namespace klvtest
