#include "controls/report_list/image_list_blob.h"

#include <algorithm>

#include "controls/skeleton/picture_handles.h"

namespace klv {
namespace {

COLORREF TopLeftColour(HBITMAP bitmap) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  COLORREF colour = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colour;
}

}  // namespace

HIMAGELIST MakeImageList(const std::vector<uint8_t>& blob) {
  if (blob.empty()) return nullptr;
  BitmapHandle strip = MakeBitmapFromFile(blob);
  BITMAP shape = {};
  if (!strip || GetObjectA(strip.get(), sizeof shape, &shape) == 0 || shape.bmHeight <= 0) return nullptr;
  int side = static_cast<int>(shape.bmHeight);
  int count = std::max(1, static_cast<int>(shape.bmWidth) / side);
  HIMAGELIST list = ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, count, 1);
  if (list == nullptr) return nullptr;
  // The list copies the images; the strip is freed on return.
  ImageList_AddMasked(list, strip.get(), TopLeftColour(strip.get()));
  return list;
}

int ImageCount(HIMAGELIST list) { return list ? ImageList_GetImageCount(list) : 0; }

}  // namespace klv
