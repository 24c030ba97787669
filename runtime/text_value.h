// TextValue: a zero-terminated GBK text in a runtime heap block, or a pointer
// into the constants block. Null is the empty text; the runtime never hands
// out a zero-length block.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace klv {

using TextValue = char*;

size_t TextLength(const char* text);  // null counts as empty
bool TextIsEmpty(const char* text);

// Fresh heap copies; null when the result would be empty.
char* CopyText(const char* text);
char* CopyTextBytes(const char* bytes, size_t length);  // stops at a zero byte
char* ConcatTexts(std::initializer_list<const char*> parts);

// Byte order of unsigned bytes: -1, 0 or 1. Null equals the empty text.
int CompareTexts(const char* a, const char* b);
bool TextsEqual(const char* a, const char* b);

}  // namespace klv
