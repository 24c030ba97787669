#include "tests/controls_basic/icon_files.h"

#include "runtime/byte_reader.h"

namespace ctltest {
namespace {

size_t MaskRowBytes(int width) { return static_cast<size_t>((width + 31) / 32) * 4; }

size_t ImageBytes(int width) {
  size_t pixels = static_cast<size_t>(width) * width * 4;
  return 40 + pixels + MaskRowBytes(width) * static_cast<size_t>(width);
}

void WriteInfoHeader(klv::ByteWriter& out, int width, int storedHeight, uint16_t bitCount, uint32_t imageSize) {
  out.U32(40);
  out.I32(width);
  out.I32(storedHeight);
  out.U16(1);
  out.U16(bitCount);
  out.U32(0);
  out.U32(imageSize);
  for (int i = 0; i < 4; ++i) out.U32(0);
}

}  // namespace

std::vector<uint8_t> MakeIconFile(const std::vector<IconImagePlan>& images) {
  klv::ByteWriter out;
  out.U16(0);
  out.U16(1);
  out.U16(static_cast<uint16_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const IconImagePlan& image : images) {
    out.U8(static_cast<uint8_t>(image.width));
    out.U8(static_cast<uint8_t>(image.width));
    out.U8(0);
    out.U8(0);
    out.U16(1);
    out.U16(32);
    out.U32(static_cast<uint32_t>(ImageBytes(image.width)));
    out.U32(offset);
    offset += static_cast<uint32_t>(ImageBytes(image.width));
  }
  for (const IconImagePlan& image : images) {
    size_t pixels = static_cast<size_t>(image.width) * image.width;
    WriteInfoHeader(out, image.width, image.width * 2, 32, static_cast<uint32_t>(ImageBytes(image.width) - 40));
    for (size_t i = 0; i < pixels; ++i) out.U32(0xFF000000u | image.colour);
    for (size_t i = 0; i < MaskRowBytes(image.width) * static_cast<size_t>(image.width); ++i) out.U8(0);
  }
  return out.bytes();
}

std::vector<uint8_t> MakeBitmapFile(int width, int height, uint32_t colour) {
  size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  size_t bits = stride * static_cast<size_t>(height);
  klv::ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(static_cast<uint32_t>(14 + 40 + bits));
  out.U32(0);
  out.U32(14 + 40);
  WriteInfoHeader(out, width, height, 24, static_cast<uint32_t>(bits));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      out.U8(static_cast<uint8_t>(colour));
      out.U8(static_cast<uint8_t>(colour >> 8));
      out.U8(static_cast<uint8_t>(colour >> 16));
    }
    for (size_t pad = static_cast<size_t>(width) * 3; pad < stride; ++pad) out.U8(0);
  }
  return out.bytes();
}

}  // namespace ctltest
