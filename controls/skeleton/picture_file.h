// Locating images inside picture files held as byte blobs: the standard
// .ico layout (a 6-byte header, 16-byte directory entries, then the images)
// and the .bmp layout. Pure logic: offsets and sizes only, never a read past
// the blob.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace klv {

struct IconImageSpan {
  size_t offset = 0;  // of the image's bytes within the file
  size_t size = 0;
  int width = 0;      // from the image's own header
  int height = 0;     // half the stored height (the stored one counts the mask)
  int bitCount = 0;
};

// The first image 16 pixels wide, or failing that the first 32 pixels wide.
// False when the header is not an icon or cursor directory, the directory
// or the image reaches past the blob, or no image has either width.
bool FindIconImage(const std::vector<uint8_t>& file, IconImageSpan* out);

// True when the blob starts like an icon (or cursor) directory.
bool LooksLikeIconFile(const std::vector<uint8_t>& file);

struct BitmapSpan {
  size_t infoOffset = 0;  // the BITMAPINFO after the 14-byte file header
  size_t bitsOffset = 0;  // the pixel bits
};

// A .bmp file: "BM", a file header, an info header of at least 40 bytes,
// and pixel bits that start inside the blob.
bool FindBitmap(const std::vector<uint8_t>& file, BitmapSpan* out);


}  // namespace klv
