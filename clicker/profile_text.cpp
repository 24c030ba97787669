#include "clicker/profile_text.h"

#include "runtime/byte_reader.h"
#include "runtime/gb18030.h"

namespace klv::profile {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool IsLineBreak(uint8_t byte) { return byte == '\r' || byte == '\n'; }

using gb18030::CharacterLength;

// Spaces never stand for a byte of a longer character (trail bytes are 0x40
// and above, a four-byte sequence's digits 0x30 to 0x39), so the ends of a
// text can be trimmed byte by byte.
std::string Trimmed(const uint8_t* start, size_t length) {
  size_t first = 0;
  while (first < length && IsProfileSpace(start[first])) ++first;
  while (length > first && IsProfileSpace(start[length - 1])) --length;
  return std::string(reinterpret_cast<const char*>(start) + first, length - first);
}

// The position of the last "]" character of the text, or kNone.
size_t LastClosingBracket(const std::string& line) {
  size_t found = kNone;
  for (size_t at = 0; at < line.size(); at += CharacterLength(line, at)) {
    if (line[at] == ']') found = at;
  }
  return found;
}

// The bytes up to the next line break; the reader moves past them and past
// the line breaks after them.
std::string NextLine(ByteReader* reader) {
  size_t length = 0;
  while (length < reader->remaining() && !IsLineBreak(reader->current()[length])) ++length;
  const uint8_t* start = nullptr;
  reader->Skip(length, &start);
  std::string line = Trimmed(start, length);
  while (!reader->atEnd() && IsLineBreak(*reader->current())) reader->Skip(1);
  return line;
}

void AddKeyLine(ProfileSection* section, const std::string& line) {
  ProfileKey key;
  size_t equals = line.find('=');  // "=" (0x3D) is never a trail byte
  if (equals == std::string::npos) {
    key.name = line;
  } else {
    key.name = StripTrailingSpaces(line.substr(0, equals));
    key.value = StripLeadingSpaces(line.substr(equals + 1));
    key.hasValue = true;
  }
  // A nameless key right after another nameless key is dropped.
  if (!key.name.empty() || section->keys.empty() || !section->keys.back().name.empty()) {
    section->keys.push_back(std::move(key));
  }
}

bool NamesMatch(const std::string& name, const std::string& folded) {
  return !name.empty() && FoldedName(name) == folded;
}

}  // namespace

bool IsProfileSpace(uint8_t byte) { return (byte >= 0x09 && byte <= 0x0D) || byte == 0x1A || byte == ' '; }

std::string StripLeadingSpaces(const std::string& value) {
  size_t first = 0;
  while (first < value.size() && IsProfileSpace(static_cast<uint8_t>(value[first]))) ++first;
  return value.substr(first);
}

std::string StripTrailingSpaces(const std::string& value) {
  size_t length = value.size();
  while (length > 0 && IsProfileSpace(static_cast<uint8_t>(value[length - 1]))) --length;
  return value.substr(0, length);
}

bool IsPlainText(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = CharacterLength(text, at);
    const uint8_t byte = static_cast<uint8_t>(text[at]);
    // 0x80 (the euro sign) is a character of its own; a lead byte alone is
    // half a character, and 0xFF none.
    if (byte == 0 || (length == 1 && (gb18030::IsLead(byte) || byte == 0xFF))) return false;
    at += length;
  }
  return true;
}

bool IsPlainProfileFile(const std::string& bytes) {
  return bytes.compare(0, sizeof kUtf8Mark - 1, kUtf8Mark) != 0 && IsPlainText(bytes);
}

bool IsPlainValue(const std::string& value) {
  return IsPlainText(value) && value.find_first_of("\r\n") == std::string::npos;
}

std::string FoldedName(const std::string& name) {
  std::string folded = name;
  for (size_t at = 0; at < folded.size();) {
    size_t length = CharacterLength(folded, at);
    if (length == 1 && folded[at] >= 'A' && folded[at] <= 'Z') folded[at] = static_cast<char>(folded[at] - 'A' + 'a');
    at += length;
  }
  return folded;
}

ProfileText ProfileText::Parse(const std::string& bytes) {
  ProfileText text;
  text.sections_.emplace_back();
  ByteReader reader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  while (!reader.atEnd()) {
    std::string line = NextLine(&reader);
    if (line.empty()) continue;
    size_t closing = line[0] == '[' ? LastClosingBracket(line) : kNone;
    if (closing != kNone) {
      text.sections_.emplace_back();
      const std::string inside = line.substr(1, closing - 1);
      text.sections_.back().name = Trimmed(reinterpret_cast<const uint8_t*>(inside.data()), inside.size());
    } else {
      AddKeyLine(&text.sections_.back(), line);
    }
  }
  return text;
}

const ProfileSection* ProfileText::FindSection(const std::string& section) const {
  const std::string folded = FoldedName(section);
  for (const ProfileSection& candidate : sections_) {
    if (NamesMatch(candidate.name, folded)) return &candidate;
  }
  return nullptr;
}

const ProfileKey* ProfileText::Find(const std::string& section, const std::string& key) const {
  const ProfileSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const std::string folded = FoldedName(key);
  for (const ProfileKey& candidate : found->keys) {
    if (NamesMatch(candidate.name, folded)) return &candidate;
  }
  return nullptr;
}

std::string ProfileText::Read(const std::string& section, const std::string& key, const std::string& fallback,
                              bool* found) const {
  const ProfileKey* entry = Find(section, key);
  if (found) *found = entry && entry->hasValue;
  return entry ? ValueAsRead(*entry, fallback) : fallback;
}

std::string ValueAsRead(const ProfileKey& key, const std::string& fallback) {
  if (!key.hasValue) return fallback;
  const std::string& value = key.value;
  // Quotes are single-byte characters below the trail-byte range, so the
  // last byte is the last character.
  bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
  return quoted ? value.substr(1, value.size() - 2) : value;
}

size_t ProfileText::SectionForWrite(const std::string& section) {
  const std::string folded = FoldedName(section);
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (NamesMatch(sections_[i].name, folded)) return i;
  }
  sections_.emplace_back();
  sections_.back().name = section;
  return sections_.size() - 1;
}

size_t ProfileText::KeyIndex(ProfileSection* section, const std::string& folded) {
  if (!section->indexed) {
    for (size_t i = 0; i < section->keys.size(); ++i) {
      if (!section->keys[i].name.empty()) section->firstKeyIndex.emplace(FoldedName(section->keys[i].name), i);
    }
    section->indexed = true;
  }
  auto found = section->firstKeyIndex.find(folded);
  return found == section->firstKeyIndex.end() ? kNone : found->second;
}

bool ProfileText::Write(const std::string& section, const std::string& key, const std::string& value, Place* place) {
  Place at;
  at.section = SectionForWrite(section);
  ProfileSection& target = sections_[at.section];
  const std::string folded = FoldedName(key);
  at.key = KeyIndex(&target, folded);
  if (at.key == kNone) {
    target.keys.push_back({key, std::string(), false});
    at.key = target.keys.size() - 1;
    target.firstKeyIndex.emplace(folded, at.key);
  }
  if (place) *place = at;
  ProfileKey& entry = target.keys[at.key];
  std::string stored = StripLeadingSpaces(value);
  if (entry.hasValue && entry.value == stored) return false;
  entry.value = std::move(stored);
  entry.hasValue = true;
  return true;
}

std::string ProfileText::Serialize() const {
  size_t size = 0;
  for (const ProfileSection& section : sections_) {
    size += section.name.size() + 4;
    for (const ProfileKey& key : section.keys) size += key.name.size() + key.value.size() + 3;
  }
  std::string bytes;
  bytes.reserve(size);
  for (const ProfileSection& section : sections_) {
    if (!section.name.empty()) bytes.append("[").append(section.name).append("]\r\n");
    for (const ProfileKey& key : section.keys) {
      bytes.append(key.name);
      if (key.hasValue) bytes.append("=").append(key.value);
      bytes.append("\r\n");
    }
  }
  return bytes;
}

bool ProfileText::RereadsTheSame() const {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (sections_[i].name.empty()) return false;
  }
  return true;
}

void ProfileSave::Write(const std::string& section, const std::string& key, const std::string& value) {
  ProfileText::Place place;
  if (text_.Write(section, key, value, &place)) changedPlaces_.push_back(place);
}

// Each changing write rewrites the file and the next write reads it back,
// which drops the trailing spaces of the values written before; only the
// last changing write keeps its value as given.
std::string ProfileSave::Serialize() {
  for (size_t i = 0; i + 1 < changedPlaces_.size(); ++i) {
    ProfileKey& key = text_.At(changedPlaces_[i]);
    key.value = StripTrailingSpaces(key.value);
  }
  return text_.Serialize();
}

SaveOutcome SaveAsTheSystemWould(const std::string& bytes, const std::vector<ProfileWrite>& writes,
                                 std::string* result) {
  if (!IsPlainProfileFile(bytes)) return SaveOutcome::kLeftToSystem;
  for (const ProfileWrite& write : writes) {
    if (!IsPlainValue(write.value)) return SaveOutcome::kLeftToSystem;
  }
  ProfileText text = ProfileText::Parse(bytes);
  if (!text.RereadsTheSame()) return SaveOutcome::kLeftToSystem;
  ProfileSave save(std::move(text));
  for (const ProfileWrite& write : writes) save.Write(write.section, write.key, write.value);
  if (!save.changed()) return SaveOutcome::kUnchanged;
  *result = save.Serialize();
  return SaveOutcome::kChanged;
}

}  // namespace klv::profile
