// Copies a UTF-8 source file as GBK:   gbk_source <in.cpp> <out.cpp>
// The cross build turns string literals into GBK with -fexec-charset=GBK;
// clang accepts no such option but keeps the bytes of a literal as they
// stand, so compiling the GBK copy gives the program's own literal bytes.
// A character whose second byte is '\' is refused: clang would read that
// byte as an escape (or, ending a comment line, as a line continuation).
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool ReadFile(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool ToGbk(const std::string& utf8, std::string* gbk) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = utf8;
  gbk->assign(in.size() + 1, '\0');  // GBK never takes more bytes than UTF-8
  char* from = in.data();
  size_t fromLeft = in.size();
  char* to = gbk->data();
  size_t toLeft = gbk->size();
  const size_t result = iconv(converter, &from, &fromLeft, &to, &toLeft);
  const int error = errno;
  iconv_close(converter);
  errno = error;
  if (result == static_cast<size_t>(-1)) return false;
  gbk->resize(gbk->size() - toLeft);
  return true;
}

// The 1-based line of the first double-byte character whose trail is '\',
// or 0 when there is none.
size_t LineOfBackslashTrail(const std::string& gbk) {
  size_t line = 1;
  for (size_t i = 0; i < gbk.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(gbk[i]);
    if (c == '\n') ++line;
    if (c < 0x81 || i + 1 >= gbk.size()) continue;
    if (gbk[i + 1] == '\\') return line;
    ++i;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gbk_source <utf-8 source> <gbk copy>\n");
    return 2;
  }
  std::string utf8, gbk;
  if (!ReadFile(argv[1], &utf8)) {
    std::fprintf(stderr, "%s: cannot read\n", argv[1]);
    return 1;
  }
  if (!ToGbk(utf8, &gbk)) {
    std::fprintf(stderr, "%s: not UTF-8 text that GBK can hold (%s)\n", argv[1], std::strerror(errno));
    return 1;
  }
  if (const size_t line = LineOfBackslashTrail(gbk)) {
    std::fprintf(stderr, "%s:%zu: a character whose GBK trail byte is '\\'\n", argv[1], line);
    return 1;
  }
  std::filesystem::create_directories(std::filesystem::path(argv[2]).parent_path());
  std::ofstream out(argv[2], std::ios::binary);
  out << gbk;
  return out.flush() ? 0 : 1;
}
