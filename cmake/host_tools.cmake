# Tools that run on the build machine (native, not cross-compiled) while the
# program is built. Each is compiled straight with the host C++ compiler.
find_program(KLV_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(KLV_GENERATED_IMAGE_SOURCES "")

# The image generator: writes the template block of the program's windows as C++ data from
# its description in image/. It is built from the same pure sources the
# program uses to read the block, so both sides share one format.
set(KLV_IMAGE_GENERATOR_ONLY_SOURCES
    ${CMAKE_SOURCE_DIR}/image/generate_image_data.cpp
    ${CMAKE_SOURCE_DIR}/image/main_window_description.cpp
    ${CMAKE_SOURCE_DIR}/image/options_window_description.cpp
    ${CMAKE_SOURCE_DIR}/image/main_window_builder.cpp
    ${CMAKE_SOURCE_DIR}/image/tray_icon_maker.cpp)
set(KLV_IMAGE_GENERATOR_SOURCES
    ${KLV_IMAGE_GENERATOR_ONLY_SOURCES}
    ${CMAKE_SOURCE_DIR}/runtime/byte_reader.cpp
    ${CMAKE_SOURCE_DIR}/runtime/window_template.cpp
    ${CMAKE_SOURCE_DIR}/controls/skeleton/unit_settings.cpp)
set(KLV_IMAGE_GENERATOR_HEADERS
    ${CMAKE_SOURCE_DIR}/image/main_window_description.h
    ${CMAKE_SOURCE_DIR}/image/options_window_description.h
    ${CMAKE_SOURCE_DIR}/image/main_window_units.h
    ${CMAKE_SOURCE_DIR}/runtime/event_notice.h
    ${CMAKE_SOURCE_DIR}/image/main_window_builder.h
    ${CMAKE_SOURCE_DIR}/image/tray_icon_maker.h
    ${CMAKE_SOURCE_DIR}/image/handler_ids.h
    ${CMAKE_SOURCE_DIR}/runtime/byte_reader.h
    ${CMAKE_SOURCE_DIR}/runtime/window_template.h
    ${CMAKE_SOURCE_DIR}/runtime/interface/command_values.h
    ${CMAKE_SOURCE_DIR}/controls/skeleton/unit_settings.h)
# Host-only files live in image/ but are not part of the cross-built program.
set_source_files_properties(${KLV_IMAGE_GENERATOR_ONLY_SOURCES} PROPERTIES HEADER_FILE_ONLY TRUE)

set(KLV_IMAGE_GENERATOR ${CMAKE_BINARY_DIR}/host/generate_image_data)
add_custom_command(
  OUTPUT ${KLV_IMAGE_GENERATOR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${KLV_HOST_CXX} -std=c++17 -O1 -Wall -Wextra -finput-charset=UTF-8 -fexec-charset=GBK
          -I${CMAKE_SOURCE_DIR} ${KLV_IMAGE_GENERATOR_SOURCES} -o ${KLV_IMAGE_GENERATOR}
  DEPENDS ${KLV_IMAGE_GENERATOR_SOURCES} ${KLV_IMAGE_GENERATOR_HEADERS}
  COMMENT "Building the image generator with the host compiler"
  VERBATIM)

set(KLV_TRAY_ICON ${CMAKE_SOURCE_DIR}/image/tray_icon_image.ico)
set(KLV_GENERATED_TEMPLATE_SOURCE ${CMAKE_BINARY_DIR}/generated/main_window_template.cpp)
set(KLV_GENERATED_TEMPLATE_HEADER ${CMAKE_BINARY_DIR}/generated/main_window_template_length.h)
add_custom_command(
  OUTPUT ${KLV_GENERATED_TEMPLATE_SOURCE} ${KLV_GENERATED_TEMPLATE_HEADER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${KLV_IMAGE_GENERATOR} --icon ${KLV_TRAY_ICON} --out ${CMAKE_BINARY_DIR}/generated
  DEPENDS ${KLV_IMAGE_GENERATOR} ${KLV_TRAY_ICON}
  COMMENT "Generating the MainWindow template block"
  VERBATIM)
list(APPEND KLV_GENERATED_IMAGE_SOURCES ${KLV_GENERATED_TEMPLATE_SOURCE} ${KLV_GENERATED_TEMPLATE_HEADER})

# The GB18030 converter's tables, made by a host tool that sits beside the
# file that builds and runs it.
include(${CMAKE_CURRENT_LIST_DIR}/gb18030_tables.cmake)
