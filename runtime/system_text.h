// The one text boundary between the program and the system. Program texts
// are GB18030 bytes everywhere inside (GBK, code page 936, for every text
// GBK holds), on a system of any language; every text handed to a system
// window, menu, message box or tooltip, or taken from one, crosses here as
// UTF-16 to the wide functions. The system's own code page ("language for
// non-Unicode programs") never takes part.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace klv {

// The system code page that reads program text as meant, but for its
// four-byte sequences: GBK.
constexpr UINT kSystemCodePageOfProgramText = 936;

// Program text as the system's wide functions take it, and back.
std::wstring ToSystemText(const std::string& programText);
std::string ToProgramText(const std::wstring& systemText);

// True where the system's own code page ("language for non-Unicode
// programs") is the program's: there the system reads a file's bytes as the
// program means them.
bool SystemSpeaksProgramText();
// True where the system's ANSI functions take this program text as meant:
// the system speaks program text and the text has no four-byte sequence.
// Null and atoms count as meant.
bool SystemReadsAsMeant(const char* programText);

// Copies program text into a caller's buffer of `room` bytes as the ANSI
// functions do: cut to fit (never inside a character) and
// terminated; answers the bytes copied.
int CopyToProgramBuffer(const std::string& text, char* buffer, int room);

// A character the system delivers, as the bytes program text holds it by
// (one, two or four); empty for half of a surrogate pair.
std::string ProgramCharacter(wchar_t character);

// The same for a buffer the system offers: the text cut to fit `room`
// characters with its terminator (room > 0), always terminated.
void CopyToSystemBuffer(const std::string& programText, wchar_t* buffer, int room);

// An ANSI function's text argument that is an atom: a number below 0x10000
// in the pointer, not text.
inline bool IsAtom(const char* text) { return (reinterpret_cast<uintptr_t>(text) >> 16) == 0; }

// A text argument of a wide function, made from an ANSI function's: null
// stays null, an atom (a number below 0x10000 in the pointer) stays that
// atom, program text is converted.
class SystemTextArgument {
 public:
  explicit SystemTextArgument(const char* text)
      : atom_(text != nullptr && IsAtom(text)), text_(text) {
    if (text != nullptr && !atom_) converted_ = ToSystemText(text);
  }
  const wchar_t* get() const {
    if (text_ == nullptr) return nullptr;
    return atom_ ? reinterpret_cast<const wchar_t*>(text_) : converted_.c_str();
  }

 private:
  bool atom_;
  const char* text_;
  std::wstring converted_;
};

// The program's own file name as the system holds it, whole whatever its
// length: a folder of any name.
std::wstring ProgramModulePath();

// A window's text as the system holds it, as the program sees it, and a
// program text given to it.
std::wstring WideWindowText(HWND window);
std::string SystemWindowText(HWND window);
bool SetSystemWindowText(HWND window, const std::string& programText);

// The system's message box for a program text and caption.
int ShowSystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);

}  // namespace klv
