// Runs on the build machine: writes the tables of the GB18030 converter.
//   gb18030_table_generator --nls <c_936.nls> --out <folder>
// writes <folder>/gb18030_tables.cpp (the data runtime/gb18030_tables.h
// declares) and <folder>/gb18030_findings.txt (what was merged, and how).
//
// One- and two-byte sequences are code page 936's, as Wine's table holds
// them, so that every text written under 936 reads the same. Four-byte
// sequences are glibc's GB18030. Where glibc puts another code point than
// 936 in a two-byte cell, 936 holds the cell, and glibc's code point takes
// the four-byte sequence glibc gives the code point 936 puts there (a swap),
// or, where glibc has none for that one, the place the BMP block's order
// gives it. The build fails unless every code point but the surrogates then
// has exactly one sequence (so no two sequences stand for one code point).
// The findings list every differing cell and where its glibc code point went.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/byte_reader.h"
#include "runtime/gb18030_glibc.h"
#include "runtime/gb18030_tables.h"

namespace {

namespace T = klv::gb18030::tables;
using klv::gb18030::GlibcGb18030;

constexpr char32_t kNone = GlibcGb18030::kNone;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr size_t kCellCount = T::kLeadCount * T::kTrailCount;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsTrail(unsigned trail) { return trail >= 0x40 && trail <= 0xFE && trail != 0x7F; }
unsigned LeadOfCell(size_t cell) { return T::kFirstLead + static_cast<unsigned>(cell / T::kTrailCount); }
unsigned TrailOfCell(size_t cell) { return T::kFirstTrail + static_cast<unsigned>(cell % T::kTrailCount); }

std::string Hex(const unsigned char* bytes, size_t length) {
  std::string text;
  char digits[3];
  for (size_t i = 0; i < length; ++i) {
    std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
    text += digits;
  }
  return text;
}

std::string CellName(size_t cell) {
  const unsigned char bytes[2] = {static_cast<unsigned char>(LeadOfCell(cell)),
                                  static_cast<unsigned char>(TrailOfCell(cell))};
  return Hex(bytes, 2);
}

std::string SequenceName(uint32_t linearIndex) {
  unsigned char bytes[4];
  T::SequenceAt(linearIndex, bytes);
  return Hex(bytes, 4);
}

std::string CodePointName(char32_t c) {
  char name[12];
  if (c == kNone) return "none";
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

// ---- Code page 936 as Wine's NLS file holds it ----------------------------

// The file: a header of 13 words (code page, character size, default
// characters, lead byte ranges), a word, 256 single-byte code points, an
// optional 256-word glyph table, then a word and 256 offsets by lead byte
// into the two-byte tables that follow, each of 256 code points.
struct CodePage936 {
  char32_t singleBytes[256];  // kNone for lead bytes and bytes mapping to nothing
  std::vector<char32_t> cells = std::vector<char32_t>(kCellCount, kNone);
};

struct NlsHeader {
  uint16_t words = 0, codePage = 0, characterSize = 0, defaultChar = 0, unicodeDefault = 0;
  uint16_t translatedDefault = 0, translatedUnicodeDefault = 0;
  uint8_t leadRanges[12] = {};
};

bool ReadNlsHeader(klv::ByteReader& file, NlsHeader* header) {
  file.ReadU16(&header->words);
  file.ReadU16(&header->codePage);
  file.ReadU16(&header->characterSize);
  file.ReadU16(&header->defaultChar);
  file.ReadU16(&header->unicodeDefault);
  file.ReadU16(&header->translatedDefault);
  file.ReadU16(&header->translatedUnicodeDefault);
  for (uint8_t& byte : header->leadRanges) file.ReadU8(&byte);
  return header->words >= 13 && file.Skip((header->words - 13) * 2u) && header->codePage == 936 &&
         header->characterSize == 2;
}

// Lead bytes are read by form, 0x81..0xFE, as GB18030 reads them: the file
// must name exactly those.
bool LeadsAreGb18030s(const NlsHeader& header) {
  return header.leadRanges[0] == 0x81 && header.leadRanges[1] == 0xFE && header.leadRanges[2] == 0;
}

// A code point other than the default, unless the byte is the default's
// own. 0xFF reads as U+F8F5 (private use) as the system's plain conversion
// reads it, and U+F8F5 writes as 0xFF: texts of earlier versions hold it so.
bool SingleByteMaps(const NlsHeader& header, unsigned byte, uint16_t codePoint) {
  return codePoint != header.unicodeDefault || byte == header.translatedUnicodeDefault;
}

bool CellMaps(const NlsHeader& header, unsigned bytes, uint16_t codePoint) {
  return codePoint != header.unicodeDefault || bytes == header.translatedUnicodeDefault;
}

// The converter passes ASCII through as it stands.
bool AsciiIsItself(const CodePage936& page) {
  for (char32_t byte = 0; byte < 0x80; ++byte)
    if (page.singleBytes[byte] != byte) return false;
  return true;
}

bool ReadWordAt(const klv::ByteReader& block, size_t index, uint16_t* word) {
  klv::ByteReader reader = block;
  return reader.Skip(index * 2) && reader.ReadU16(word);
}

// The two-byte part: a mapped cell with a trail GB18030 does not have would
// clash with its four-byte form.
bool ReadCells(const NlsHeader& header, const klv::ByteReader& offsets, CodePage936* page) {
  for (unsigned lead = T::kFirstLead; lead < T::kFirstLead + T::kLeadCount; ++lead) {
    uint16_t offset = 0;
    if (!ReadWordAt(offsets, lead, &offset) || offset == 0) return false;
    for (unsigned trail = 0; trail < 256; ++trail) {
      uint16_t codePoint = 0;
      if (!ReadWordAt(offsets, offset + trail, &codePoint)) return false;
      if (!CellMaps(header, lead << 8 | trail, codePoint)) continue;
      if (!IsTrail(trail)) return false;
      page->cells[(lead - T::kFirstLead) * T::kTrailCount + trail - T::kFirstTrail] = codePoint;
    }
  }
  return true;
}

bool ParseCodePage936(const std::vector<uint8_t>& bytes, CodePage936* page) {
  klv::ByteReader file(bytes.data(), bytes.size());
  NlsHeader header;
  uint16_t wideTableOffset = 0, glyphTable = 0, dbcsRanges = 0;
  if (!ReadNlsHeader(file, &header) || !LeadsAreGb18030s(header) || !file.ReadU16(&wideTableOffset)) return false;
  for (unsigned byte = 0; byte < 256; ++byte) {
    uint16_t codePoint = 0;
    file.ReadU16(&codePoint);
    const bool lead = byte >= T::kFirstLead && byte < T::kFirstLead + T::kLeadCount;
    page->singleBytes[byte] = !lead && SingleByteMaps(header, byte, codePoint) ? codePoint : kNone;
  }
  if (!file.ReadU16(&glyphTable) || (glyphTable && !file.Skip(256 * 2)) || !file.ReadU16(&dbcsRanges)) return false;
  return dbcsRanges != 0 && AsciiIsItself(*page) && ReadCells(header, file, page);
}

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// ---- glibc's GB18030 -------------------------------------------------------

struct GlibcTables {
  std::vector<char32_t> cells = std::vector<char32_t>(kCellCount, kNone);
  std::vector<char32_t> fourBytes = std::vector<char32_t>(T::kFourByteSequenceCount, kNone);
};

void DecodeWithGlibc(const GlibcGb18030& glibc, GlibcTables* tables) {
  for (size_t cell = 0; cell < kCellCount; ++cell) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(LeadOfCell(cell)),
                                    static_cast<unsigned char>(TrailOfCell(cell))};
    if (IsTrail(bytes[1])) tables->cells[cell] = glibc.Decode(bytes, 2);
  }
  for (uint32_t index = 0; index < T::kFourByteSequenceCount; ++index) {
    unsigned char bytes[4];
    T::SequenceAt(index, bytes);
    tables->fourBytes[index] = glibc.Decode(bytes, 4);
  }
}

// The four-byte sequence glibc gives a code point, or kNoSequence.
constexpr uint32_t kNoSequence = 0xFFFFFFFF;
uint32_t GlibcFourByteSequenceOf(const GlibcGb18030& glibc, char32_t codePoint) {
  const std::string bytes = glibc.Encode(codePoint);
  if (bytes.size() != 4) return kNoSequence;
  return T::LinearIndexOf(reinterpret_cast<const unsigned char*>(bytes.data()));
}

// ---- The merge ---------------------------------------------------------------

struct Merge {
  std::vector<char32_t> fourBytes = std::vector<char32_t>(T::kFourByteSequenceCount, kNone);
  std::vector<bool> shortSequence = std::vector<bool>(kLastCodePoint + 1, false);  // 936's one or two bytes
  std::vector<bool> housed = std::vector<bool>(kLastCodePoint + 1, false);         // any sequence
  std::vector<uint32_t> freed;
  std::ostringstream findings;
  size_t differingCells = 0, moved = 0, unassigned = 0;
};

void PlaceCodePage936(const CodePage936& page, Merge* merge) {
  for (char32_t c : page.singleBytes)
    if (c != kNone) merge->shortSequence[c] = merge->housed[c] = true;
  for (char32_t c : page.cells)
    if (c != kNone) merge->shortSequence[c] = merge->housed[c] = true;
}

// glibc's four-byte sequences, less those whose code point has a sequence
// already (936 put it in one or two bytes): those are left free.
void PlaceGlibcFourBytes(const GlibcTables& glibc, Merge* merge) {
  for (uint32_t index = 0; index < T::kFourByteSequenceCount; ++index) {
    const char32_t c = glibc.fourBytes[index];
    if (c == kNone) continue;
    if (merge->housed[c]) {
      merge->freed.push_back(index);
      continue;
    }
    merge->fourBytes[index] = c;
    merge->housed[c] = true;
  }
}

// The BMP block lists the code points that have no shorter sequence in code
// point order. A code point glibc gives no sequence at all takes the place
// that order gives it, counted from the nearest code point below it that
// glibc gives a four-byte sequence; kNoSequence outside the BMP.
uint32_t PlaceInBlockOrder(const GlibcGb18030& glibc, const Merge& merge, char32_t c) {
  uint32_t distance = 1;
  for (char32_t below = c - 1; c <= 0xFFFF && below >= 0x80; --below) {
    if (merge.shortSequence[below] || IsSurrogate(below)) continue;
    const uint32_t sequence = GlibcFourByteSequenceOf(glibc, below);
    if (sequence != kNoSequence) return sequence + distance;
    ++distance;
  }
  return kNoSequence;
}

// A cell where glibc and 936 differ: glibc's code point, unless it has a
// home already, takes glibc's sequence for 936's code point (a swap), or
// failing that its place in the block's order, if that sequence is free.
void RehomeCell(const CodePage936& page, const GlibcTables& tables, const GlibcGb18030& glibc, size_t cell,
                Merge* merge) {
  const char32_t ours = page.cells[cell], theirs = tables.cells[cell];
  merge->findings << "cell " << CellName(cell) << ": 936 " << CodePointName(ours) << ", glibc "
                  << CodePointName(theirs);
  ++merge->differingCells;
  if (theirs == kNone || merge->housed[theirs]) {
    merge->findings << "; glibc's code point keeps its sequence\n";
    return;
  }
  const char* how = "swapped";
  uint32_t sequence = ours == kNone ? kNoSequence : GlibcFourByteSequenceOf(glibc, ours);
  if (sequence == kNoSequence) {
    how = "its place in the block's order";
    sequence = PlaceInBlockOrder(glibc, *merge, theirs);
  }
  if (sequence >= T::kFourByteSequenceCount || merge->fourBytes[sequence] != kNone) {
    merge->findings << "; NO SEQUENCE for " << CodePointName(theirs) << "\n";
    return;
  }
  merge->fourBytes[sequence] = theirs;
  merge->housed[theirs] = true;
  merge->findings << "; " << CodePointName(theirs) << " goes to " << SequenceName(sequence) << " (" << how << ")\n";
  ++merge->moved;
}

void RehomeDifferingCells(const CodePage936& page, const GlibcTables& tables, const GlibcGb18030& glibc,
                          Merge* merge) {
  for (size_t cell = 0; cell < kCellCount; ++cell)
    if (page.cells[cell] != tables.cells[cell]) RehomeCell(page, tables, glibc, cell, merge);
}

// Sequences glibc reads as a code point that has another sequence here,
// and which no code point took: they stand for no character.
void ReportFreedSequences(const GlibcTables& glibc, Merge* merge) {
  for (uint32_t index : merge->freed) {
    if (merge->fourBytes[index] != kNone) continue;
    merge->findings << "sequence " << SequenceName(index) << ": glibc " << CodePointName(glibc.fourBytes[index])
                    << ", which has a shorter sequence; here no character\n";
    ++merge->unassigned;
  }
}

// Every code point but the surrogates has exactly one sequence (so no two
// sequences share one); names what is wrong, at most 20 lines of it.
bool EveryCodePointHasOneSequence(const CodePage936& page, const Merge& merge, std::string* problems) {
  std::vector<uint8_t> homes(kLastCodePoint + 1, 0);
  auto count = [&](char32_t c) {
    if (c != kNone && homes[c] < 2) ++homes[c];
  };
  for (char32_t c : page.singleBytes) count(c);
  for (char32_t c : page.cells) count(c);
  for (char32_t c : merge.fourBytes) count(c);
  size_t wrong = 0;
  for (char32_t c = 0; c <= kLastCodePoint; ++c) {
    const uint8_t expected = IsSurrogate(c) ? 0 : 1;
    if (homes[c] == expected) continue;
    if (++wrong <= 20) *problems += CodePointName(c) + (homes[c] ? " has more than one sequence\n" : " has none\n");
  }
  if (wrong > 20) *problems += "... " + std::to_string(wrong) + " code points in all\n";
  return wrong == 0;
}

// ---- The generated source ------------------------------------------------------

std::vector<T::FourByteRange> RangesOf(const std::vector<char32_t>& fourBytes) {
  std::vector<T::FourByteRange> ranges;
  for (uint32_t index = 0; index < fourBytes.size(); ++index) {
    const char32_t c = fourBytes[index];
    if (c == kNone) continue;
    T::FourByteRange* last = ranges.empty() ? nullptr : &ranges.back();
    if (last && last->linearIndex + last->count == index && last->codePoint + last->count == c)
      ++last->count;
    else
      ranges.push_back({index, c, 1});
  }
  return ranges;
}

void WriteWords(std::ostringstream& out, const char32_t* codePoints, size_t count) {
  char word[16];
  for (size_t i = 0; i < count; ++i) {
    const unsigned value = codePoints[i] == kNone ? T::kNoCharacter : static_cast<unsigned>(codePoints[i]);
    std::snprintf(word, sizeof word, "0x%04X,", value);
    out << (i % 12 == 0 ? "    " : " ") << word << (i % 12 == 11 || i + 1 == count ? "\n" : "");
  }
}

void WriteRanges(std::ostringstream& out, const char* name, const std::vector<T::FourByteRange>& ranges) {
  out << "const FourByteRange " << name << "[] = {\n";
  char line[64];
  for (const T::FourByteRange& range : ranges) {
    std::snprintf(line, sizeof line, "    {%u, 0x%05X, %u},  // %s\n", range.linearIndex,
                  static_cast<unsigned>(range.codePoint), range.count, SequenceName(range.linearIndex).c_str());
    out << line;
  }
  out << "};\n";
}

std::string SourceFor(const CodePage936& page, const std::vector<T::FourByteRange>& ranges) {
  std::ostringstream out;
  out << "// Generated by cmake/gb18030_table_generator.cpp from Wine's c_936.nls and glibc's GB18030.\n"
         "#include \"runtime/gb18030_tables.h\"\n\nnamespace klv::gb18030::tables {\n\n"
         "const uint16_t kSingleBytes[256] = {\n";
  WriteWords(out, page.singleBytes, 256);
  out << "};\n\nconst uint16_t kTwoBytes[kLeadCount][kTrailCount] = {\n";
  for (size_t lead = 0; lead < T::kLeadCount; ++lead) {
    out << "  {\n";
    WriteWords(out, page.cells.data() + lead * T::kTrailCount, T::kTrailCount);
    out << "  },\n";
  }
  out << "};\n\n";
  WriteRanges(out, "kRangesBySequence", ranges);
  std::vector<T::FourByteRange> byCodePoint = ranges;
  std::sort(byCodePoint.begin(), byCodePoint.end(),
            [](const T::FourByteRange& a, const T::FourByteRange& b) { return a.codePoint < b.codePoint; });
  out << "\n";
  WriteRanges(out, "kRangesByCodePoint", byCodePoint);
  out << "\nconst size_t kRangeCount = " << ranges.size() << ";\n\n}  // namespace klv::gb18030::tables\n";
  return out.str();
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "gb18030_table_generator: %s\n", message.c_str());
  return 1;
}

int Generate(const std::string& nlsPath, const std::string& folder) {
  std::vector<uint8_t> bytes;
  CodePage936 page;
  if (!ReadFile(nlsPath, &bytes)) return Fail(nlsPath + ": cannot read Wine's code page 936 table");
  if (!ParseCodePage936(bytes, &page)) return Fail(nlsPath + ": not a code page 936 table as expected");
  GlibcGb18030 glibc;
  if (!glibc.ok()) return Fail("the host's iconv has no GB18030");
  GlibcTables tables;
  DecodeWithGlibc(glibc, &tables);

  Merge merge;
  PlaceCodePage936(page, &merge);
  PlaceGlibcFourBytes(tables, &merge);
  RehomeDifferingCells(page, tables, glibc, &merge);
  ReportFreedSequences(tables, &merge);
  std::string problems;
  if (!EveryCodePointHasOneSequence(page, merge, &problems))
    return Fail("the merged tables are not one-to-one:\n" + merge.findings.str() + problems);

  const std::vector<T::FourByteRange> ranges = RangesOf(merge.fourBytes);
  const std::string summary = std::to_string(merge.differingCells) + " cells differ from glibc's, " +
                              std::to_string(merge.moved) + " code points moved, " + std::to_string(merge.unassigned) +
                              " of glibc's sequences left without a character, " + std::to_string(ranges.size()) +
                              " four-byte ranges\n";
  merge.findings << summary;
  if (!WriteFile(folder + "/gb18030_tables.cpp", SourceFor(page, ranges)) ||
      !WriteFile(folder + "/gb18030_findings.txt", merge.findings.str()))
    return Fail(folder + ": cannot write the generated files");
  std::printf("GB18030 tables: %s", summary.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "--nls" && args[2] == "--out") return Generate(args[1], args[3]);
  std::fprintf(stderr, "usage: gb18030_table_generator --nls <c_936.nls> --out <folder>\n");
  return 2;
}
