# Tools that run on the build machine (native, not cross-compiled) while the
# program is built. Each is compiled straight with the host C++ compiler.
find_program(KLV_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(KLV_GENERATED_IMAGE_SOURCES "")
