#include "clicker/settings_storage.h"

#include <vector>

#include "clicker/call_table_handle.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"
#include "runtime/gb18030.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kShareAll = FileShare::kRead | FileShare::kWrite | FileShare::kDelete;
constexpr uint32_t kReadChunk = 1u << 16;
constexpr uint32_t kReasonRoom = 512;

uint32_t OpenFile(const char* path, uint32_t access, uint32_t creation) {
  return CallSystem(kCreateFileA, {Word(path), access, kShareAll, 0, creation, kNormalFileAttribute, 0});
}

bool WriteAll(const CallTableHandle& file, const std::string& bytes) {
  uint32_t written = 0;
  return CallSystem(kWriteFile, {file.get(), Word(bytes.data()), static_cast<uint32_t>(bytes.size()), Word(&written),
                                 0}) != 0 &&
         written == bytes.size();
}

// Writes and flushes the file beside the target; 0 or the error.
uint32_t WriteSavingFile(const char* saving, const std::string& bytes) {
  CallTableHandle file(OpenFile(saving, FileAccess::kGenericWrite, FileCreation::kCreateAlways), kInvalidHandleValue);
  if (!file.ok()) return LastSystemError();
  if (!WriteAll(file, bytes) || CallSystem(kFlushFileBuffers, {file.get()}) == 0) return LastSystemError();
  return file.Close() ? 0 : LastSystemError();
}

std::string SystemReason(uint32_t error) {
  std::vector<char> reason(kReasonRoom, '\0');
  uint32_t length = CallSystem(kFormatMessageA, {FormatMessageFlag::kFromSystem | FormatMessageFlag::kIgnoreInserts, 0,
                                                 error, 0, Word(reason.data()), kReasonRoom, 0});
  if (length == 0 || length >= kReasonRoom) {
    HeapText code = IntegerToText(static_cast<int32_t>(error));
    return code.get() ? code.get() : "";
  }
  // The system's texts end with a line break.
  while (length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n' || reason[length - 1] == ' ')) {
    --length;
  }
  return std::string(reason.data(), length);
}

// A box about the settings file: what went wrong, the file, and why.
void ShowFileBox(const char* lead, const char* path, const char* reason) {
  HeapText message(JoinTexts({lead, path, kConstants.lineBreak, reason}));
  CallCore(core::kShowMessageBox,
           {TextArgument(message.get()), IntegerArgument(MessageBoxStyle::kSystemModalInformation)});
}

}  // namespace

uint32_t LastSystemError() { return CallSystem(kGetLastError, {}); }

// A system function is bound on its first call, and binding sets the
// thread's last error: GetLastError is bound before the calls it reports on.
void PrepareErrorReading() { LastSystemError(); }

FileRead ReadWholeSettingsFile(const char* path, Access access, std::string* bytes, uint32_t* error) {
  PrepareErrorReading();
  bytes->clear();
  const uint32_t rights = access == Access::kToReplace ? FileAccess::kGenericRead | FileAccess::kGenericWrite
                                                       : FileAccess::kGenericRead;
  CallTableHandle file(OpenFile(path, rights, FileCreation::kOpenExisting), kInvalidHandleValue);
  if (!file.ok()) {
    *error = LastSystemError();
    return *error == kErrorFileNotFound ? FileRead::kMissing : FileRead::kFailed;
  }
  std::vector<char> chunk(kReadChunk);
  for (;;) {
    uint32_t read = 0;
    if (CallSystem(kReadFile, {file.get(), Word(chunk.data()), kReadChunk, Word(&read), 0}) == 0) {
      *error = LastSystemError();
      return FileRead::kFailed;
    }
    if (read == 0) return FileRead::kRead;
    bytes->append(chunk.data(), read);
  }
}

uint32_t ReplaceSettingsFile(const char* path, const std::string& bytes) {
  PrepareErrorReading();
  HeapText saving(JoinTexts({path, kConstants.savingSuffix}));
  uint32_t error = WriteSavingFile(saving.get(), bytes);
  if (error == 0 && CallSystem(kMoveFileExA, {Word(saving.get()), Word(path),
                                              MoveFileFlag::kReplaceExisting | MoveFileFlag::kWriteThrough}) == 0) {
    error = LastSystemError();
  }
  if (error != 0) CallSystem(kDeleteFileA, {Word(saving.get())});
  return error;
}

bool SurvivesProgramTextRoundTrip(const std::string& bytes) {
  return gb18030::FromUtf16(gb18030::ToUtf16(bytes)) == bytes;
}

bool SystemSpeaksProgramCodePage() { return CallSystem(kGetACP, {}) == kProgramCodePage; }

bool IsUtf16File(const std::string& bytes) {
  static const char kUtf16Mark[] = "\xFF\xFE";
  return bytes.compare(0, sizeof kUtf16Mark - 1, kUtf16Mark) == 0;
}

bool SystemProfileKeepsMeaning(const std::string& bytes) { return SystemSpeaksProgramCodePage() || IsUtf16File(bytes); }

bool SystemProfileKeepsWrites(const std::string& bytes, const std::vector<profile::ProfileWrite>& writes) {
  if (IsUtf16File(bytes)) return true;
  for (const profile::ProfileWrite& write : writes) {
    using gb18030::HasFourByteSequence;
    if (HasFourByteSequence(write.section) || HasFourByteSequence(write.key) || HasFourByteSequence(write.value)) {
      return false;
    }
  }
  return true;
}

void ShowUnreadableFile(const char* path, const char* reason) {
  ShowFileBox(kConstants.unreadableFileMessage, path, reason);
}

void ShowReadFailed(const char* path, uint32_t error) {
  ShowFileBox(kConstants.unreadableFileMessage, path, SystemReason(error).c_str());
}

void ShowSaveFailed(const char* path, uint32_t error) {
  ShowFileBox(kConstants.saveFailedMessage, path, SystemReason(error).c_str());
}

}  // namespace klv::clicker
