#include "image/tray_icon_maker.h"

#include <array>

#include "runtime/byte_reader.h"

namespace klv {
namespace {

constexpr int kSize = 32;

struct Colour {
  uint8_t red, green, blue;
  bool opaque;
};

constexpr Colour kClear = {0, 0, 0, false};
constexpr Colour kRingRed = {0xD0, 0x18, 0x18, true};
constexpr Colour kWhite = {0xFF, 0xFF, 0xFF, true};
constexpr Colour kBlack = {0, 0, 0, true};

using Canvas = std::array<std::array<Colour, kSize>, kSize>;  // [y][x], y = 0 at the top

// Squared distance of a pixel's centre from the icon's centre, in half pixels.
int DistanceSquared(int x, int y) {
  int dx = 2 * x + 1 - kSize, dy = 2 * y + 1 - kSize;
  return dx * dx + dy * dy;
}

bool WithinRadius(int x, int y, int radius) { return DistanceSquared(x, y) <= 4 * radius * radius; }

// The arrow's outline, relative to its tip, in pixels.
struct Point {
  int x, y;
};
constexpr Point kArrow[] = {{0, 0}, {0, 14}, {3, 11}, {6, 17}, {10, 15}, {7, 10}, {11, 10}};
constexpr Point kArrowTip = {14, 13};

// Even-odd test of a pixel's centre against the arrow, in half pixels.
bool InsideArrow(int x, int y) {
  int px = 2 * (x - kArrowTip.x) + 1, py = 2 * (y - kArrowTip.y) + 1;
  bool inside = false;
  const int count = sizeof kArrow / sizeof kArrow[0];
  for (int i = 0, j = count - 1; i < count; j = i++) {
    int xi = 2 * kArrow[i].x, yi = 2 * kArrow[i].y, xj = 2 * kArrow[j].x, yj = 2 * kArrow[j].y;
    if ((yi > py) == (yj > py)) continue;
    // The edge crosses the pixel's row: is the crossing right of the pixel?
    long crossing = static_cast<long>(xj - xi) * (py - yi);
    long offset = static_cast<long>(px - xi) * (yj - yi);
    if ((yj > yi) ? offset < crossing : offset > crossing) inside = !inside;
  }
  return inside;
}

bool ArrowEdge(int x, int y) {
  const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
  for (int k = 0; k < 4; ++k) {
    if (!InsideArrow(x + dx[k], y + dy[k])) return true;
  }
  return false;
}

Canvas Draw() {
  Canvas canvas;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      Colour colour = kClear;
      if (WithinRadius(x, y, 14) && !WithinRadius(x, y, 10)) colour = kRingRed;
      if (WithinRadius(x, y, 3)) colour = kRingRed;
      if (InsideArrow(x, y)) colour = ArrowEdge(x, y) ? kBlack : kWhite;
      canvas[y][x] = colour;
    }
  }
  return canvas;
}

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kColourBytes = kSize * kSize * 3;  // rows of 96 bytes need no padding
constexpr uint32_t kMaskRowBytes = 4;                 // 32 bits
constexpr uint32_t kImageSize = kInfoHeaderSize + kColourBytes + kMaskRowBytes * kSize;
constexpr uint32_t kImageOffset = 6 + 16;

void WriteHeaders(ByteWriter* out) {
  out->U16(0);  // icon directory: reserved, type 1 (icon), one image
  out->U16(1);
  out->U16(1);
  out->U8(kSize);  // directory entry: width, height, no palette, reserved
  out->U8(kSize);
  out->U8(0);
  out->U8(0);
  out->U16(1);   // planes
  out->U16(24);  // bits per pixel
  out->U32(kImageSize);
  out->U32(kImageOffset);
  out->U32(kInfoHeaderSize);  // the image's bitmap header; the height counts
  out->I32(kSize);            // the colour rows and the mask rows
  out->I32(2 * kSize);
  out->U16(1);
  out->U16(24);
  out->U32(0);  // no compression
  out->U32(kImageSize - kInfoHeaderSize);
  for (int i = 0; i < 4; ++i) out->U32(0);  // resolution and palette: unused
}

}  // namespace

std::vector<uint8_t> MakeTrayIcon() {
  Canvas canvas = Draw();
  ByteWriter out;
  WriteHeaders(&out);
  // Bitmap rows run bottom-up; colours as blue, green, red.
  for (int y = kSize - 1; y >= 0; --y) {
    for (const Colour& colour : canvas[y]) {
      out.U8(colour.blue);
      out.U8(colour.green);
      out.U8(colour.red);
    }
  }
  // The mask: a set bit leaves the pixel transparent; leftmost pixel first.
  for (int y = kSize - 1; y >= 0; --y) {
    uint32_t row = 0;
    for (int x = 0; x < kSize; ++x) {
      if (!canvas[y][x].opaque) row |= 0x80000000u >> x;
    }
    for (int shift = 24; shift >= 0; shift -= 8) out.U8(static_cast<uint8_t>(row >> shift));
  }
  return out.bytes();
}

}  // namespace klv
