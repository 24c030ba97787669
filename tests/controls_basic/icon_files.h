// Icon and bitmap files built in memory for the tests: every image is one
// solid colour, so a test can tell which image the system made.
#pragma once
#include <cstdint>
#include <vector>

namespace ctltest {

struct IconImagePlan {
  int width;
  uint32_t colour;  // 0x00RRGGBB
};

// An .ico file with one 32-bit image (and an all-opaque mask) per plan, in order.
std::vector<uint8_t> MakeIconFile(const std::vector<IconImagePlan>& images);

// A 24-bit .bmp file of one colour.
std::vector<uint8_t> MakeBitmapFile(int width, int height, uint32_t colour);

}  // namespace ctltest
