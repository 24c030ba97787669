#include "clicker/target_rights.h"

#include "clicker/integrity_level.h"
#include "clicker/call_table_handle.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

// A mandatory label: the SID pointer and the attributes, then the SID (eight
// bytes and a sub-authority or two); room to spare.
constexpr uint32_t kLabelRoom = 64;

IntegrityAnswer Refusal() {
  bool denied = CallSystem(kGetLastError, {}) == ProcessRights::kAccessDenied;
  return {denied ? IntegrityAnswer::Kind::kAccessDenied : IntegrityAnswer::Kind::kUnknown};
}

IntegrityAnswer LevelOf(uint32_t process) {
  CallTableHandle token;
  if (CallSystem(kOpenProcessToken, {process, ProcessRights::kTokenQuery, Word(token.place())}) == 0) return Refusal();
  uint32_t label[kLabelRoom / sizeof(uint32_t)] = {};
  uint32_t got = 0;
  if (CallSystem(kGetTokenInformation,
                 {token.get(), ProcessRights::kTokenIntegrityLevel, Word(label), kLabelRoom, Word(&got)}) == 0) {
    return Refusal();
  }
  return LevelInLabel(reinterpret_cast<const uint8_t*>(label), got < kLabelRoom ? got : kLabelRoom,
                      reinterpret_cast<uintptr_t>(label));
}

// The own process's pseudo-handle needs no closing.
IntegrityAnswer OwnLevel() { return LevelOf(CallSystem(kGetCurrentProcess, {})); }

IntegrityAnswer LevelOfWindowProcess(uint32_t window) {
  uint32_t processId = 0;
  CallSystem(kGetWindowThreadProcessId, {window, Word(&processId)});
  CallTableHandle process(CallSystem(kOpenProcess, {ProcessRights::kQueryLimitedInformation, 0, processId}));
  if (!process.ok()) return Refusal();
  return LevelOf(process.get());
}

}  // namespace

bool RefusedAsElevated(uint32_t window) {
  if (window == 0) return false;
  IntegrityAnswer target = LevelOfWindowProcess(window);
  if (!TargetOutranks(target, OwnLevel())) return false;
  CallCore(core::kShowMessageBox,
           {TextArgument(kConstants.elevatedTargetMessage), IntegerArgument(MessageBoxStyle::kSystemModalInformation)});
  return true;
}

bool RunsElevated() {
  const IntegrityAnswer own = OwnLevel();
  return own.kind == IntegrityAnswer::Kind::kLevel && own.level >= ProcessRights::kHighIntegrity;
}

}  // namespace klv::clicker
