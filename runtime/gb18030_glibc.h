// Build machine only (never in the program): GB18030 as the host's glibc
// iconv converts it, one character at a time. The table generator takes the
// four-byte sequences from it, and the native tests compare against it.
#pragma once
#include <iconv.h>

#include <cstdint>
#include <string>

namespace klv::gb18030 {

class GlibcGb18030 {
 public:
  static constexpr char32_t kNone = 0xFFFFFFFF;

  GlibcGb18030()
      : decoder_(iconv_open("UTF-32LE", "GB18030")), encoder_(iconv_open("GB18030", "UTF-32LE")) {}
  ~GlibcGb18030() {
    if (ok()) {
      iconv_close(decoder_);
      iconv_close(encoder_);
    }
  }
  GlibcGb18030(const GlibcGb18030&) = delete;
  GlibcGb18030& operator=(const GlibcGb18030&) = delete;

  bool ok() const { return decoder_ != kFailed && encoder_ != kFailed; }

  // The one code point the bytes stand for, all of them read; else kNone.
  char32_t Decode(const unsigned char* bytes, size_t length) const {
    unsigned char out[8];
    const size_t written = Convert(decoder_, reinterpret_cast<const char*>(bytes), length, out, sizeof out);
    if (written != 4) return kNone;
    return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
  }

  // The bytes of one code point; empty when glibc has none for it.
  std::string Encode(char32_t codePoint) const {
    const char in[4] = {static_cast<char>(codePoint), static_cast<char>(codePoint >> 8),
                        static_cast<char>(codePoint >> 16), static_cast<char>(codePoint >> 24)};
    unsigned char out[8];
    const size_t written = Convert(encoder_, in, sizeof in, out, sizeof out);
    return written == kError ? std::string() : std::string(reinterpret_cast<char*>(out), written);
  }

 private:
  static constexpr size_t kError = static_cast<size_t>(-1);
  static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

  // The bytes written when every input byte was converted; else kError.
  static size_t Convert(iconv_t converter, const char* in, size_t inLength, unsigned char* out, size_t room) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* from = const_cast<char*>(in);
    char* to = reinterpret_cast<char*>(out);
    size_t toLeft = room;
    if (iconv(converter, &from, &inLength, &to, &toLeft) == kError || inLength != 0) return kError;
    return room - toLeft;
  }

  iconv_t decoder_;
  iconv_t encoder_;
};

}  // namespace klv::gb18030
