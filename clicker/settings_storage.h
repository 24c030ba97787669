// The settings file as a whole: read in one piece, replaced in one piece,
// and a failed save told to the operator.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "clicker/profile_text.h"

namespace klv::clicker {

enum class FileRead { kRead, kMissing, kFailed };
enum class Access { kToRead, kToReplace };

// Reads the whole file into *bytes. kMissing when there is no such file
// (the system's own save then starts a fresh one). A file to be replaced is
// opened for writing as well, as the system's own save opens it, so that a
// file that may not be written (read-only, or held by another program)
// stops the save before anything is written.
FileRead ReadWholeSettingsFile(const char* path, Access access, std::string* bytes, uint32_t* error);

// Writes the bytes to a file beside the target, flushes it, then puts it in
// the target's place in one step, so that the target holds either its old
// or its new bytes whenever the program stops. The file of an earlier save
// that was cut short has the same name and is overwritten. On failure the
// target is left as it was and the system's error code is returned (0 on
// success).
uint32_t ReplaceSettingsFile(const char* path, const std::string& bytes);

// True when the bytes come back unchanged from the conversion of program
// text to wide characters and back: every character whole and known.
bool SurvivesProgramTextRoundTrip(const std::string& bytes);

// True when the system's private-profile functions read and write the file
// as the program means it: wherever the system's code page is the
// program's, and anywhere for a UTF-16 file (which the program reaches
// through their wide forms).
bool SystemProfileKeepsMeaning(const std::string& bytes);
// True when the system's writes keep these values in the file: a four-byte
// sequence reaches a file the system keeps in its own code page only as
// "?", so such writes keep their meaning in a UTF-16 file alone.
bool SystemProfileKeepsWrites(const std::string& bytes, const std::vector<profile::ProfileWrite>& writes);
// True where the system's code page is the program's (GBK).
bool SystemSpeaksProgramCodePage();

// The message of a failed save: the file and the system's reason.
void ShowSaveFailed(const char* path, uint32_t error);
// The message of a file that exists but could not be read: the file and
// the system's reason.
void ShowReadFailed(const char* path, uint32_t error);
// The message for a file that only the system's functions could follow,
// where they would misread it or what is written to it: the file and why.
void ShowUnreadableFile(const char* path, const char* reason);

uint32_t LastSystemError();
// Call before a system call whose error LastSystemError is to report.
void PrepareErrorReading();

}  // namespace klv::clicker
