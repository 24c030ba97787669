// The setting blocks of the control types. Each type's fields are listed once,
// in stored order, by a Visit function that a reader and a writer both walk,
// so that parsing and writing cannot drift apart. Fields that a version does
// not have are skipped by both sides and keep their defaults on reading.
#include "controls/skeleton/unit_settings.h"

namespace klv {
namespace {

constexpr uint16_t kLongItemCount = 0xFFFF;  // a 32-bit count follows

// Packed records of a report list's column and row blobs, one after another
// to the end of the blob.
template <class Record>
bool ParseRecords(const Bytes& blob, std::vector<Record>* out);
template <class Record>
Bytes WriteRecords(std::vector<Record> records);

class SettingsReader {
 public:
  explicit SettingsReader(const Bytes& block) : reader_(block.data(), block.size()) {}

  // The block's version; a version above what the type reads fails.
  void Version(uint32_t& version, uint32_t highest) {
    if (reader_.ReadU32(&version) && version > highest) reader_.Fail();
    version_ = version;
  }
  bool Since(uint32_t version) const { return version_ >= version; }

  void Byte(uint8_t& value) { reader_.ReadU8(&value); }
  void Half(uint16_t& value) { reader_.ReadU16(&value); }
  void Word(uint32_t& value) { reader_.ReadU32(&value); }
  void Word(int32_t& value) { reader_.ReadI32(&value); }
  void String(std::string& value) { reader_.ReadString(&value); }
  void Text(std::string& value) { reader_.ReadCountedText(&value); }
  void Blob(Bytes& value) { reader_.ReadCountedBytes(&value); }

  void Items(std::vector<std::string>& items) {
    uint16_t shortCount = 0;
    uint32_t count = 0;
    if (!reader_.ReadU16(&shortCount)) return;
    count = shortCount;
    if (shortCount == kLongItemCount && !reader_.ReadU32(&count)) return;
    // Every item takes at least its 4-byte length: refuse absurd counts
    // before allocating for them.
    if (count > reader_.remaining() / 4) {
      reader_.Fail();
      return;
    }
    items.resize(count);
    for (std::string& item : items) reader_.ReadCountedText(&item);
  }

  // A counted byte block holding packed records (columns, rows).
  template <class Record>
  void Records(std::vector<Record>& records) {
    Bytes blob;
    if (reader_.ReadCountedBytes(&blob) && !ParseRecords(blob, &records)) reader_.Fail();
  }

  bool ok() const { return reader_.ok(); }
  bool atEnd() const { return reader_.atEnd(); }
  // Every field read, and nothing left over.
  bool Complete() const { return reader_.ok() && reader_.atEnd(); }

 private:
  ByteReader reader_;
  uint32_t version_ = 0;
};

class SettingsWriter {
 public:
  void Version(uint32_t& version, uint32_t) {
    out_.U32(version);
    version_ = version;
  }
  bool Since(uint32_t version) const { return version_ >= version; }

  void Byte(uint8_t& value) { out_.U8(value); }
  void Half(uint16_t& value) { out_.U16(value); }
  void Word(uint32_t& value) { out_.U32(value); }
  void Word(int32_t& value) { out_.I32(value); }
  void String(std::string& value) { out_.String(value); }
  void Text(std::string& value) { out_.CountedText(value); }
  void Blob(Bytes& value) { out_.CountedBytes(value); }

  void Items(std::vector<std::string>& items) {
    if (items.size() < kLongItemCount) {
      out_.U16(static_cast<uint16_t>(items.size()));
    } else {
      out_.U16(kLongItemCount);
      out_.U32(static_cast<uint32_t>(items.size()));
    }
    for (const std::string& item : items) out_.CountedText(item);
  }

  template <class Record>
  void Records(std::vector<Record>& records) {
    out_.CountedBytes(WriteRecords(records));
  }

  Bytes Take() { return std::move(out_.bytes()); }

 private:
  ByteWriter out_;
  uint32_t version_ = 0;
};

template <class Io>
void Visit(Io& io, WindowSettings& s) {
  io.Version(s.version, 6);
  io.Word(s.borderStyle);
  io.Word(s.pictureMode);
  io.Word(s.backgroundColour);
  io.Word(s.maximizeBox);
  io.Word(s.minimizeBox);
  io.Word(s.controlBox);
  io.Word(s.startPosition);
  io.Word(s.movable);
  io.Word(s.unknown14);
  io.Word(s.unknown21);
  io.Word(s.unknown22);
  io.Word(s.unknown23);
  io.Word(s.unknown25);
  if (io.Since(2)) io.Word(s.unknown26);
  if (io.Since(3)) {
    io.Word(s.unknown27);
    io.Word(s.unknown28);
  }
  if (io.Since(4)) io.Word(s.alwaysOnTop);
  if (io.Since(5)) io.Word(s.unknown30);
  if (io.Since(6)) io.Text(s.unknown31);
  io.Blob(s.backgroundPicture);
  io.Blob(s.icon);
  io.Blob(s.unknown13);
  io.Text(s.caption);
  io.Text(s.unknown24);
}

template <class Io>
void Visit(Io& io, LabelSettings& s) {
  io.Version(s.version, 2);
  io.Word(s.effect);
  io.Word(s.unknown11);
  io.Word(s.border);
  io.Word(s.frameColour1);
  io.Word(s.frameColour2);
  io.Word(s.frameColour3);
  io.Word(s.textColour);
  io.Word(s.backgroundColour);
  io.Word(s.unknown19);
  io.Word(s.unknown20);
  io.Word(s.moreColour1);
  io.Word(s.moreColour2);
  io.Word(s.moreColour3);
  io.Word(s.horizontalAlignment);
  io.Word(s.verticalAlignment);
  io.Word(s.wordWrap);
  io.Blob(s.font);
  io.Blob(s.backgroundPicture);
  io.Text(s.text);
  if (io.Since(2)) {
    io.Text(s.unknown27);
    io.Text(s.unknown28);
  }
}

template <class Io>
void Visit(Io& io, EditBoxSettings& s) {
  io.Version(s.version, 2);
  io.Word(s.borderStyle);
  io.Word(s.textColour);
  io.Word(s.backgroundColour);
  io.Word(s.hideSelection);
  io.Word(s.maximumLength);
  io.Word(s.multiLine);
  io.Word(s.scrollBars);
  io.Word(s.alignment);
  io.Word(s.inputMode);
  io.Half(s.passwordCharacter);
  io.Word(s.caseConversion);
  io.Word(s.spinButtons);
  io.Word(s.spinMinimum);
  io.Word(s.spinMaximum);
  io.Word(s.selectionStart);
  io.Word(s.selectionLength);
  io.Blob(s.font);
  io.Text(s.content);
  if (io.Since(2)) {
    io.Text(s.unknown27);
    io.Text(s.unknown28);
  }
}

template <class Io>
void Visit(Io& io, GroupBoxSettings& s) {
  io.Version(s.version, 1);
  io.Word(s.captionAlignment);
  io.Word(s.textColour);
  io.Word(s.backgroundColour);
  io.Blob(s.font);
  io.Text(s.caption);
}

template <class Io>
void Visit(Io& io, ButtonSettings& s) {
  io.Version(s.version, 1);
  io.Word(s.buttonType);
  io.Word(s.horizontalAlignment);
  io.Word(s.verticalAlignment);
  io.Blob(s.picture);
  io.Blob(s.font);
  io.Text(s.caption);
}

template <class Io>
void Visit(Io& io, ComboBoxSettings& s) {
  io.Version(s.version, 3);
  io.Word(s.style);
  io.Word(s.maximumLength);
  io.Word(s.selectionStart);
  io.Word(s.selectionLength);
  io.Word(s.sorted);
  io.Word(s.extraItemHeight);
  io.Word(s.textColour);
  io.Word(s.backgroundColour);
  io.Word(s.selectedItem);
  io.Blob(s.itemData);
  io.Blob(s.font);
  io.Text(s.content);
  io.Items(s.items);
  if (io.Since(2)) {
    io.Text(s.unknown22);
    io.Text(s.unknown23);
  }
  if (io.Since(3)) io.Word(s.unknown24);
}

template <class Io>
void Visit(Io& io, ReportListSettings& s) {
  io.Version(s.version, 1);
  io.Word(s.borderStyle);
  io.Word(s.textColour);
  io.Word(s.textBackgroundColour);
  io.Word(s.backgroundColour);
  io.Word(s.view);
  for (uint32_t* flag : {&s.iconAlignLeft, &s.autoArrange, &s.labelWrap, &s.noColumnHeader, &s.headerClickable,
                         &s.fullRowSelect, &s.gridLines, &s.headerDragDrop}) {
    io.Word(*flag);
  }
  for (uint32_t* flag : {&s.hotTracking, &s.handCursor, &s.underlineHot, &s.underlineCold, &s.editLabels,
                         &s.sortOrder, &s.checkBoxes, &s.flatScrollBars, &s.singleSelection}) {
    io.Word(*flag);
  }
  io.Word(s.selectedRow);
  io.Word(s.showSelectionAlways);
  io.Blob(s.font);
  io.Blob(s.headerImages);
  io.Blob(s.viewImages);
  io.Records(s.columns);
  io.Blob(s.stateImages);
  io.Records(s.rows);
}

template <class Io>
void Visit(Io& io, TrayIconSettings& s) {
  io.Version(s.version, 1);
  io.Blob(s.icon);
  io.Text(s.tooltip);
  io.Word(s.shown);
}

template <class Io>
void Visit(Io& io, HotkeyBoxSettings& s) {
  io.Version(s.version, 1);
  io.Word(s.key);
  io.Word(s.modifiers);
  io.Blob(s.font);
}

template <class Io>
void Visit(Io& io, ColumnRecord& column) {
  io.Byte(column.imageOnRight);
  io.Word(column.imageIndex);
  io.Word(column.alignment);
  io.Word(column.width);
  io.String(column.title);
}

template <class Io>
void Visit(Io& io, RowCellRecord& cell) {
  io.Byte(cell.nextColumn);
  io.Word(cell.imageIndex);
  io.Word(cell.stateImageIndex);
  io.Word(cell.indent);
  io.Word(cell.rowData);
  io.String(cell.text);
  io.String(cell.tip);
}

template <class Record>
bool ParseRecords(const Bytes& blob, std::vector<Record>* out) {
  SettingsReader reader(blob);
  std::vector<Record> records;
  while (reader.ok() && !reader.atEnd()) {
    records.emplace_back();
    Visit(reader, records.back());
  }
  if (!reader.ok()) return false;
  *out = std::move(records);
  return true;
}

template <class Record>
Bytes WriteRecords(std::vector<Record> records) {
  SettingsWriter writer;
  for (Record& record : records) Visit(writer, record);
  return writer.Take();
}

template <class Settings>
bool Parse(const Bytes& block, Settings* out) {
  Settings settings;
  if (!block.empty()) {
    SettingsReader reader(block);
    Visit(reader, settings);
    if (!reader.Complete()) return false;
  }
  *out = std::move(settings);
  return true;
}

template <class Settings>
Bytes Write(Settings settings) {
  SettingsWriter writer;
  Visit(writer, settings);
  return writer.Take();
}

}  // namespace

bool ParseSettings(const Bytes& block, WindowSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, LabelSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, EditBoxSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, GroupBoxSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, ButtonSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, ComboBoxSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, ReportListSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, TrayIconSettings* out) { return Parse(block, out); }
bool ParseSettings(const Bytes& block, HotkeyBoxSettings* out) { return Parse(block, out); }

Bytes WriteSettings(const WindowSettings& settings) { return Write(settings); }
Bytes WriteSettings(const LabelSettings& settings) { return Write(settings); }
Bytes WriteSettings(const EditBoxSettings& settings) { return Write(settings); }
Bytes WriteSettings(const GroupBoxSettings& settings) { return Write(settings); }
Bytes WriteSettings(const ButtonSettings& settings) { return Write(settings); }
Bytes WriteSettings(const ComboBoxSettings& settings) { return Write(settings); }
Bytes WriteSettings(const ReportListSettings& settings) { return Write(settings); }
Bytes WriteSettings(const TrayIconSettings& settings) { return Write(settings); }
Bytes WriteSettings(const HotkeyBoxSettings& settings) { return Write(settings); }

bool ParseColumnList(const Bytes& blob, std::vector<ColumnRecord>* out) { return ParseRecords(blob, out); }
Bytes WriteColumnList(const std::vector<ColumnRecord>& columns) { return WriteRecords(columns); }
bool ParseRowList(const Bytes& blob, std::vector<RowCellRecord>* out) { return ParseRecords(blob, out); }
Bytes WriteRowList(const std::vector<RowCellRecord>& rows) { return WriteRecords(rows); }

}  // namespace klv
