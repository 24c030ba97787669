// Image lists stored as picture blobs: a .bmp strip of square images side by
// side, each as wide as the strip is high. The colour of the strip's top-left
// pixel is the transparent one.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace klv {

// A new image list, owned by the caller; null for an empty blob or one that
// is not a bitmap.
HIMAGELIST MakeImageList(const std::vector<uint8_t>& blob);

// The number of images of a list (0 for none).
int ImageCount(HIMAGELIST list);

}  // namespace klv
