# The GB18030 converter's tables (runtime/gb18030_tables.h), written while
# the program is built by a tool compiled with the host C++ compiler: code
# page 936's cells from Wine's own table, the four-byte sequences from the
# host's glibc iconv. Included by the program's build and by the native one
# in tests/fuzz; sets KLV_GB18030_TABLES_SOURCE, the generated source, and
# the target klv_gb18030_tables that writes it (a library that compiles the
# source depends on it, so that two such libraries never write it at once).
get_filename_component(KLV_GB18030_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT KLV_HOST_CXX)
  find_program(KLV_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
endif()

# Wine's code page 936 table, where Wine's packages put it.
find_file(KLV_WINE_CODE_PAGE_936 c_936.nls
          PATHS /usr/share/wine/nls /usr/lib/wine/nls /usr/local/share/wine/nls /usr/lib/i386-linux-gnu/wine/nls
                /usr/lib/x86_64-linux-gnu/wine/nls /opt/wine-stable/share/wine/nls
                /opt/wine-devel/share/wine/nls /opt/wine-staging/share/wine/nls
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT KLV_WINE_CODE_PAGE_936)
  message(FATAL_ERROR "Wine's code page 936 table c_936.nls was not found (looked in /usr/share/wine/nls and "
                      "the other usual Wine folders): install Wine, or set -DKLV_WINE_CODE_PAGE_936=<path>")
endif()

set(KLV_GB18030_GENERATOR_SOURCES
    ${KLV_GB18030_ROOT}/cmake/gb18030_table_generator.cpp ${KLV_GB18030_ROOT}/runtime/byte_reader.cpp)
set(KLV_GB18030_GENERATOR_HEADERS
    ${KLV_GB18030_ROOT}/runtime/gb18030_tables.h ${KLV_GB18030_ROOT}/runtime/gb18030_glibc.h
    ${KLV_GB18030_ROOT}/runtime/byte_reader.h)
set(KLV_GB18030_GENERATOR ${CMAKE_BINARY_DIR}/host/gb18030_table_generator)
add_custom_command(
  OUTPUT ${KLV_GB18030_GENERATOR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${KLV_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -I${KLV_GB18030_ROOT} ${KLV_GB18030_GENERATOR_SOURCES}
          -o ${KLV_GB18030_GENERATOR}
  DEPENDS ${KLV_GB18030_GENERATOR_SOURCES} ${KLV_GB18030_GENERATOR_HEADERS}
  COMMENT "Building the GB18030 table generator with the host compiler"
  VERBATIM)

set(KLV_GB18030_TABLES_SOURCE ${CMAKE_BINARY_DIR}/generated/gb18030_tables.cpp)
add_custom_command(
  OUTPUT ${KLV_GB18030_TABLES_SOURCE} ${CMAKE_BINARY_DIR}/generated/gb18030_findings.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${KLV_GB18030_GENERATOR} --nls ${KLV_WINE_CODE_PAGE_936} --out ${CMAKE_BINARY_DIR}/generated
  DEPENDS ${KLV_GB18030_GENERATOR} ${KLV_WINE_CODE_PAGE_936}
  COMMENT "Generating the GB18030 tables"
  VERBATIM)
add_custom_target(klv_gb18030_tables DEPENDS ${KLV_GB18030_TABLES_SOURCE})
