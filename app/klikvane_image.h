// The program image of Klikvane: the header that joins the image's data
// (image/) and the program's code (clicker/).
#pragma once
#include "runtime/interface/image_format.h"

namespace klv {

extern const ProgramImageHeader kProgramImage;

}  // namespace klv
