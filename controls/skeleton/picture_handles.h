// Icons and bitmaps made from picture files held as byte blobs, each owned
// by one object that destroys it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/owned_handle.h"

namespace klv {

using IconHandle = OwnedHandle<HICON, DestroyIcon>;
using BitmapHandle = GdiObjectHandle<HBITMAP>;

// The icon of an .ico file: its first 16-pixel-wide image, else its first
// 32-pixel-wide one; empty when there is none or the system refuses it.
IconHandle MakeIconFromFile(const std::vector<uint8_t>& file);

// A bitmap from a .bmp file; empty when the file is not one.
BitmapHandle MakeBitmapFromFile(const std::vector<uint8_t>& file);

}  // namespace klv
