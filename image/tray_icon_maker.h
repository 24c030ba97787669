// Draws the tray icon: a mouse-pointer arrow whose tip rests on the centre of
// a red target ring, as a 32 x 32 icon file (one 24-bit image with a 1-bit
// transparency mask, 3,262 bytes). The drawing is pure integer arithmetic, so
// the bytes are the same on every machine. The committed image/tray_icon_image.ico
// is this output; after a change here, write it again with
//   <build>/host/generate_image_data --write-icon image/tray_icon_image.ico
#pragma once
#include <cstdint>
#include <vector>

namespace klv {

std::vector<uint8_t> MakeTrayIcon();

}  // namespace klv
