#include "runtime/text_value.h"

#include <cstring>

#include "runtime/heap.h"

namespace klv {

size_t TextLength(const char* text) { return text ? std::strlen(text) : 0; }
bool TextIsEmpty(const char* text) { return text == nullptr || text[0] == '\0'; }

char* CopyTextBytes(const char* bytes, size_t length) {
  if (bytes == nullptr) return nullptr;
  const void* zero = std::memchr(bytes, 0, length);
  if (zero) length = static_cast<size_t>(static_cast<const char*>(zero) - bytes);
  if (length == 0) return nullptr;
  char* copy = static_cast<char*>(AllocateMemory(static_cast<uint32_t>(length + 1)));
  std::memcpy(copy, bytes, length);
  copy[length] = '\0';
  return copy;
}

char* CopyText(const char* text) { return CopyTextBytes(text, TextLength(text)); }

char* ConcatTexts(std::initializer_list<const char*> parts) {
  size_t total = 0;
  for (const char* p : parts) total += TextLength(p);
  if (total == 0) return nullptr;
  char* result = static_cast<char*>(AllocateMemory(static_cast<uint32_t>(total + 1)));
  char* at = result;
  for (const char* p : parts) {
    size_t n = TextLength(p);
    if (n) std::memcpy(at, p, n);
    at += n;
  }
  *at = '\0';
  return result;
}

int CompareTexts(const char* a, const char* b) {
  int c = std::strcmp(a ? a : "", b ? b : "");  // strcmp compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool TextsEqual(const char* a, const char* b) { return CompareTexts(a, b) == 0; }

}  // namespace klv
