// Property indices shared by the runtime and the program: the common
// properties every unit has, those of menu entries, and where each type's
// own properties begin.
#pragma once

namespace klv {

namespace CommonProperty {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kWidth = 2;
constexpr int kHeight = 3;
constexpr int kTag = 4;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kMousePointer = 7;
// A type's own property k has the index kFirstTypeProperty + k.
constexpr int kFirstTypeProperty = 8;
}  // namespace CommonProperty

namespace MenuEntryProperty {
constexpr int kCaption = 0;
constexpr int kChecked = 1;
constexpr int kDisabled = 2;
constexpr int kVisible = 3;
}  // namespace MenuEntryProperty

}  // namespace klv
