# SPDX-License-Identifier: MIT
# The core, one static library per folder, each allowed to see only itself and
# the folders below it:
#
#   text  <-  model  <-  pins  <-  save  <-  font  <-  script (gerber, cam350,
#                                      genesis, fab, save)  <-  preview  <-  check
#
# save/ writes files and knows no board (atomic replace, temporary files, the
# background writer, what kind of thing a name is); script/save/ decides which
# files a board's save writes and drives it. font/ is the stroke font of the
# texts and the box they are placed in: the fab writer and the preview draw
# texts from the one copy. check/ reads written files back and compares them
# with what the preview's renderer draws of the plot.
#
# A library compiles against an include root of its own that holds links to
# exactly those folders, so an include that runs the wrong way (pins/
# including script/, say) fails the build instead of quietly tying the layers
# together.

set(QUILLON_CORE_LAYERS text model pins save font script preview check)

function(quillon_core_library name)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(layer IN LISTS QUILLON_CORE_LAYERS)
    if(NOT EXISTS ${root}/${layer})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
    endif()
    if(layer STREQUAL name)
      break()
    endif()
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  # A qt/ folder holds Qt painting for the front ends, built apart: the core
  # knows nothing of Qt.
  list(FILTER sources EXCLUDE REGEX "/qt/[^/]*$")
  add_library(quillon_${name} STATIC ${sources})
  target_include_directories(quillon_${name} PUBLIC ${root})
  target_link_libraries(quillon_${name} PUBLIC ${ARGN})
endfunction()

# The stroke font's glyphs come from the Hershey fonts of hershey-fonts-data,
# compiled in: the .jhf texts are read here, when the build is configured, so
# the program reads no font file when it runs (a missing file cannot fail a
# conversion, and the same source gives the same output everywhere).
function(quillon_hershey_font_data target)
  set(QUILLON_HERSHEY_DIR /usr/share/hershey-fonts CACHE PATH
      "Folder of the Hershey .jhf fonts (Debian: hershey-fonts-data)")
  foreach(jhf rowmans cyrillic cyrilc_1)
    if(NOT EXISTS ${QUILLON_HERSHEY_DIR}/${jhf}.jhf)
      message(FATAL_ERROR "The stroke font needs ${QUILLON_HERSHEY_DIR}/${jhf}.jhf: install "
                          "hershey-fonts-data (make deps) or set QUILLON_HERSHEY_DIR.")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUILLON_HERSHEY_DIR}/${jhf}.jhf)
  endforeach()
  file(READ ${QUILLON_HERSHEY_DIR}/rowmans.jhf QUILLON_JHF_SIMPLEX)
  file(READ ${QUILLON_HERSHEY_DIR}/cyrillic.jhf QUILLON_JHF_CYRILLIC)
  file(READ ${QUILLON_HERSHEY_DIR}/cyrilc_1.jhf QUILLON_JHF_CYRILLIC_NUMBERED)
  set(generated ${CMAKE_BINARY_DIR}/generated/font/HersheyData.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/font/HersheyData.cpp.in ${generated} @ONLY)
  target_sources(${target} PRIVATE ${generated})
endfunction()

quillon_core_library(text)
target_compile_definitions(quillon_text PUBLIC
  QUILLON_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QUILLON_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QUILLON_VERSION_PATCH=${PROJECT_VERSION_PATCH}
  QUILLON_VERSION_TWEAK=${PROJECT_VERSION_TWEAK}
  QUILLON_VERSION_TEXT="${PROJECT_VERSION}")
quillon_core_library(model quillon_text)
quillon_core_library(pins quillon_model PkgConfig::RE2)
quillon_core_library(save quillon_text)
quillon_core_library(font quillon_model)
quillon_hershey_font_data(quillon_font)
# The fab package writes its job file as JSON and its archive as a zip.
quillon_core_library(script quillon_pins quillon_save quillon_font nlohmann_json::nlohmann_json PkgConfig::LIBZIP)
quillon_core_library(preview quillon_script)
# The check reads the reader's pictures and writes its own as PNG over zlib.
quillon_core_library(check quillon_preview PkgConfig::ZLIB Threads::Threads)

# What the front ends, the tests and the tools link: the whole core, and the
# source tree as include root.
add_library(quillon_core INTERFACE)
target_link_libraries(quillon_core INTERFACE quillon_check)
target_include_directories(quillon_core INTERFACE ${CMAKE_SOURCE_DIR})
