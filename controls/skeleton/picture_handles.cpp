#include "controls/skeleton/picture_handles.h"

#include "controls/skeleton/picture_file.h"

namespace klv {

IconHandle MakeIconFromFile(const std::vector<uint8_t>& file) {
  IconImageSpan span;
  if (!FindIconImage(file, &span)) return IconHandle();
  auto* image = const_cast<uint8_t*>(file.data()) + span.offset;
  auto size = static_cast<DWORD>(span.size);
  HICON icon = CreateIconFromResourceEx(image, size, TRUE, 0x30000, span.width, span.height, LR_DEFAULTCOLOR);
  if (icon == nullptr && span.bitCount != 16) icon = CreateIconFromResource(image, size, TRUE, 0x30000);
  return IconHandle(icon);
}

BitmapHandle MakeBitmapFromFile(const std::vector<uint8_t>& file) {
  BitmapSpan span;
  if (!FindBitmap(file, &span)) return BitmapHandle();
  auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + span.infoOffset);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, file.data() + span.bitsOffset, info,
                                  DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return BitmapHandle(bitmap);
}

}  // namespace klv
