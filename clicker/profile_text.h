// The private-profile (ini) text of the settings file as the system itself
// reads and rewrites it, each rule taken from the system's behaviour on real
// files. Plain C++, so that it builds natively for tests and fuzzing. Texts
// are program text; callers leave any that is not plain to the system.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace klv::profile {

// True when every byte is ASCII other than zero, or 0x80, or part of a double-byte
// character (lead 0x81..0xFE, trail 0x40..0x7E or 0x80..0xFE) or of a
// four-byte sequence (lead, digit, lead, digit). The system reads a four-byte
// sequence as two double-byte characters, neither of which holds a space,
// "=", "[", "]" or a letter: the model follows it whole.
bool IsPlainText(const std::string& text);
// A file this model reads as the system does: plain text that does not start
// with the UTF-8 mark (the system then reads the file as UTF-8).
bool IsPlainProfileFile(const std::string& bytes);
// The name folded for matching: ASCII letters of single-byte characters in
// lower case, double-byte characters as they are.
std::string FoldedName(const std::string& name);

struct ProfileKey {
  std::string name;
  std::string value;
  bool hasValue = false;
};

struct ProfileSection {
  std::string name;  // empty for the keys before the first section
  std::vector<ProfileKey> keys;
  // Folded name -> index of the first key of that name, built on first use.
  std::unordered_map<std::string, size_t> firstKeyIndex;
  bool indexed = false;
};

class ProfileText {
 public:
  // Parses the file's bytes (plain text: IsPlainText). Lines end at CR or
  // LF; blank lines are dropped, and so are spaces around a line, a name and
  // a value. "[name]" (up to the last "]", spaces inside dropped) starts a
  // section; every other line is a key: the name up to the first "=", then
  // the value, or no value when the line has no "="; a key with an empty
  // name right after another key with an empty name is dropped. The keys
  // before the first section form an unnamed section.
  static ProfileText Parse(const std::string& bytes);

  // The value a read of the key gives, one pair of matching quotes around it
  // removed; the fallback when the section or key is missing or the key has
  // no value. *found tells which.
  std::string Read(const std::string& section, const std::string& key, const std::string& fallback,
                   bool* found = nullptr) const;
  // The raw value of the key (before quotes are removed), or null. Section
  // and key names match ignoring the case of ASCII letters; the first match
  // counts.
  const ProfileKey* Find(const std::string& section, const std::string& key) const;
  const ProfileSection* FindSection(const std::string& section) const;

  // Where a key stands: section and key index.
  struct Place {
    size_t section = 0, key = 0;
  };
  // One write of the system; true when it changed the text. The value's
  // leading spaces are stripped; a key that holds the value already is left
  // as it is; a new key goes at the end of its section, a new section at the
  // end of the text.
  bool Write(const std::string& section, const std::string& key, const std::string& value, Place* place = nullptr);
  ProfileKey& At(const Place& place) { return sections_[place.section].keys[place.key]; }

  // The bytes the system writes for this text, all anew after a change:
  // "[name]" for each named section, "name=value" or "name" for each key,
  // each line ended by CR LF.
  std::string Serialize() const;

  // False when rewriting the text and reading it back would not give the
  // same sections: a named section after the first one whose name is empty
  // (its header is not written, so its keys join the section before it).
  bool RereadsTheSame() const;

  const std::vector<ProfileSection>& sections() const { return sections_; }

 private:
  size_t SectionForWrite(const std::string& section);
  static size_t KeyIndex(ProfileSection* section, const std::string& folded);

  std::vector<ProfileSection> sections_;
};

// Whether the system's write would strip this byte at the start of a value
// or around a line, name or value: tab, LF, VT, FF, CR, Ctrl-Z or space.
bool IsProfileSpace(uint8_t byte);
// The value as a write stores it: leading spaces removed.
std::string StripLeadingSpaces(const std::string& value);
std::string StripTrailingSpaces(const std::string& value);

// A save as the system does it one key at a time: each write, and between
// writes the file is read back, so a value written earlier loses trailing
// spaces as soon as a later write rewrites the file.
class ProfileSave {
 public:
  explicit ProfileSave(ProfileText text) : text_(std::move(text)) {}
  void Write(const std::string& section, const std::string& key, const std::string& value);
  // Whether any write changed the text (else the system leaves the file as
  // it was).
  bool changed() const { return !changedPlaces_.empty(); }
  // The bytes of the file after the last write.
  std::string Serialize();

 private:
  ProfileText text_;
  std::vector<ProfileText::Place> changedPlaces_;
};

// A written value this model can follow: plain text with no line break.
bool IsPlainValue(const std::string& value);

// The value a read of the key gives: one pair of matching quotes around it
// removed; the fallback when the key has no value.
std::string ValueAsRead(const ProfileKey& key, const std::string& fallback);

struct ProfileWrite {
  std::string section, key, value;
};

enum class SaveOutcome {
  kUnchanged,    // every key already held its value: the file stays as it is
  kChanged,      // *result holds the file's new bytes
  kLeftToSystem  // outside this model: the system's own writes must do it
};

// What the system's writes, one key after another, would make of the file's
// bytes (empty for a missing file).
SaveOutcome SaveAsTheSystemWould(const std::string& bytes, const std::vector<ProfileWrite>& writes,
                                 std::string* result);

}  // namespace klv::profile
